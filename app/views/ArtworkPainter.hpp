#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// Drawing an artwork square, shared by the track rows and the now-playing panels.
namespace cuevox::views::ArtworkPainter {

// The image scaled to fill `square` and cropped to it, or the placeholder when the image is
// null, clipped to corners of 12 % of the side.
void paint(QPainter& painter, const QRectF& square, const QImage& image);

} // namespace cuevox::views::ArtworkPainter
