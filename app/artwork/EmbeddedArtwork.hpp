#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stop_token>

// Reading the picture an audio file carries and making a thumbnail of it. Both run on any
// thread and report every failure as an empty result.
namespace cuevox::artwork {

// The bytes of the first embedded picture of the audio file at `path`, in the order the file's
// tags hold them; empty when the file cannot be read, carries none, is larger than any audio
// file, or `stop` is requested before the read ends.
QByteArray extractArtworkData(const QString& path, std::stop_token stop = {});

// The picture decoded with its orientation applied and scaled, keeping its proportions, so that
// its longer side is at most `maxDimension` pixels; a null image when the bytes are no picture.
QImage downsampledImage(const QByteArray& bytes, int maxDimension);

} // namespace cuevox::artwork
