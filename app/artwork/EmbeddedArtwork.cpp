#include "artwork/EmbeddedArtwork.hpp"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <stop_token>
#include <sys/stat.h>
#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>
#include <unistd.h>

namespace cuevox::artwork {
namespace {

QByteArray toBytes(const TagLib::ByteVector& data) {
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

QByteArray fromID3v2(TagLib::ID3v2::Tag* tag) {
    if (tag == nullptr) {
        return {};
    }
    for (TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
        if (auto* picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
            picture != nullptr && !picture->picture().isEmpty()) {
            return toBytes(picture->picture());
        }
    }
    return {};
}

// APE keeps a picture as "file name", NUL, bytes, under keys such as "COVER ART (FRONT)".
QByteArray fromAPE(TagLib::APE::Tag* tag) {
    if (tag == nullptr) {
        return {};
    }
    const TagLib::APE::ItemListMap& items = tag->itemListMap();
    auto pictureOf = [](const TagLib::APE::Item& item) -> QByteArray {
        if (item.type() != TagLib::APE::Item::Binary) {
            return {};
        }
        const TagLib::ByteVector data = item.binaryData();
        const int separator = data.find('\0');
        return separator < 0 ? QByteArray()
                             : toBytes(data.mid(static_cast<unsigned>(separator) + 1));
    };
    if (const auto front = items.find("COVER ART (FRONT)"); front != items.end()) {
        if (QByteArray bytes = pictureOf(front->second); !bytes.isEmpty()) {
            return bytes;
        }
    }
    for (const auto& [key, item] : items) {
        if (key.startsWith("COVER ART")) {
            if (QByteArray bytes = pictureOf(item); !bytes.isEmpty()) {
                return bytes;
            }
        }
    }
    return {};
}

QByteArray fromPictures(const TagLib::List<TagLib::FLAC::Picture*>& pictures) {
    for (const TagLib::FLAC::Picture* picture : pictures) {
        if (!picture->data().isEmpty()) {
            return toBytes(picture->data());
        }
    }
    return {};
}

QByteArray fromXiph(TagLib::Ogg::XiphComment* comment) {
    return comment == nullptr ? QByteArray() : fromPictures(comment->pictureList());
}

QByteArray fromMP4(TagLib::MP4::Tag* tag) {
    if (tag == nullptr || !tag->contains("covr")) {
        return {};
    }
    for (const TagLib::MP4::CoverArt& cover : tag->item("covr").toCoverArtList()) {
        if (!cover.data().isEmpty()) {
            return toBytes(cover.data());
        }
    }
    return {};
}

QByteArray fromASF(TagLib::ASF::Tag* tag) {
    if (tag == nullptr) {
        return {};
    }
    for (const TagLib::ASF::Attribute& attribute : tag->attribute("WM/Picture")) {
        const TagLib::ASF::Picture picture = attribute.toPicture();
        if (picture.isValid() && !picture.picture().isEmpty()) {
            return toBytes(picture.picture());
        }
    }
    return {};
}

// Far above any audio file that carries artwork. TagLib looks for an MP3's tag through the
// whole file when it starts with something else: 79 s for a gigabyte of zeros.
constexpr off_t kLargestAudioFile = 1'000'000'000;

// A stream over a descriptor opened here that keeps the file's path as its name, so TagLib
// still tells the format by the extension first, as it does when it opens the path itself. It
// reads as ended once `stop` is requested, which ends any scan of TagLib's at its next block.
class NamedFileStream : public TagLib::FileStream {
public:
    NamedFileStream(int fd, QByteArray name, std::stop_token stop)
        : FileStream(fd, true), m_name(std::move(name)), m_stop(std::move(stop)) {}
    TagLib::FileName name() const override { return m_name.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override {
        return m_stop.stop_requested() ? TagLib::ByteVector() : FileStream::readBlock(length);
    }

private:
    QByteArray m_name;
    std::stop_token m_stop;
};

// Only a regular file: a FIFO would block the open and a device such as /dev/zero never ends,
// and either would hold the artwork thread that closing the app waits for. The type is checked
// on the open descriptor, which O_NONBLOCK keeps from waiting for a FIFO's writer.
std::unique_ptr<NamedFileStream> openRegularFile(const QString& path, std::stop_token stop) {
    QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > kLargestAudioFile) {
        ::close(fd);
        return nullptr;
    }
    auto stream = std::make_unique<NamedFileStream>(fd, std::move(name), std::move(stop));
    // The stream owns the descriptor only once it has opened it.
    if (!stream->isOpen()) {
        ::close(fd);
        return nullptr;
    }
    return stream;
}

} // namespace

QByteArray extractArtworkData(const QString& path, std::stop_token stop) {
    if (path.isEmpty()) {
        return {};
    }
    const std::unique_ptr<NamedFileStream> stream = openRegularFile(path, std::move(stop));
    if (!stream) {
        return {};
    }
    // No audio properties: only the tags are wanted, and reading them is much cheaper.
    const TagLib::FileRef reference(stream.get(), false);
    TagLib::File* file = reference.file();
    if (reference.isNull() || file == nullptr || !file->isValid()) {
        return {};
    }
    // A file is of exactly one format; each keeps its pictures in its own kind of tag.
    using namespace TagLib;
    if (auto* mp3 = dynamic_cast<MPEG::File*>(file)) {
        const QByteArray id3 = fromID3v2(mp3->ID3v2Tag());
        return id3.isEmpty() && mp3->hasAPETag() ? fromAPE(mp3->APETag()) : id3;
    }
    if (auto* mp4 = dynamic_cast<MP4::File*>(file)) {
        return fromMP4(mp4->tag());
    }
    if (auto* flac = dynamic_cast<FLAC::File*>(file)) {
        QByteArray bytes = fromPictures(flac->pictureList());
        if (bytes.isEmpty() && flac->hasXiphComment()) {
            bytes = fromXiph(flac->xiphComment());
        }
        if (bytes.isEmpty() && flac->hasID3v2Tag()) {
            bytes = fromID3v2(flac->ID3v2Tag());
        }
        return bytes;
    }
    if (auto* aiff = dynamic_cast<RIFF::AIFF::File*>(file)) {
        return fromID3v2(aiff->tag());
    }
    if (auto* wav = dynamic_cast<RIFF::WAV::File*>(file)) {
        return fromID3v2(wav->ID3v2Tag());
    }
    if (auto* xiph = dynamic_cast<Ogg::XiphComment*>(file->tag())) {
        // Vorbis, Opus, Speex and FLAC in Ogg.
        return fromXiph(xiph);
    }
    if (auto* asf = dynamic_cast<ASF::File*>(file)) {
        return fromASF(asf->tag());
    }
    if (auto* ape = dynamic_cast<APE::File*>(file)) {
        return fromAPE(ape->APETag());
    }
    if (auto* wavPack = dynamic_cast<WavPack::File*>(file)) {
        return fromAPE(wavPack->APETag());
    }
    if (auto* mpc = dynamic_cast<MPC::File*>(file)) {
        return fromAPE(mpc->APETag());
    }
    if (auto* trueAudio = dynamic_cast<TrueAudio::File*>(file)) {
        return fromID3v2(trueAudio->ID3v2Tag());
    }
    return {};
}

QImage downsampledImage(const QByteArray& bytes, int maxDimension) {
    if (bytes.isEmpty() || maxDimension <= 0) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setQuality(100);
    // The stored size is before orientation; turning swaps the sides but keeps the longer one.
    const QSize stored = reader.size();
    const int longer = std::max(stored.width(), stored.height());
    if (stored.isValid() && longer > maxDimension) {
        const double scale = static_cast<double>(maxDimension) / longer;
        reader.setScaledSize(
            QSize(std::max(1, static_cast<int>(std::lround(stored.width() * scale))),
                  std::max(1, static_cast<int>(std::lround(stored.height() * scale)))));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    // Formats that cannot tell their size up front are scaled after decoding.
    if (std::max(image.width(), image.height()) > maxDimension) {
        image =
            image.scaled(maxDimension, maxDimension, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

} // namespace cuevox::artwork
