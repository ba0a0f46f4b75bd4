#include "views/ArtworkPainter.hpp"

#include "views/Icons.hpp"
#include "views/Theme.hpp"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace cuevox::views::ArtworkPainter {

void paint(QPainter& painter, const QRectF& square, const QImage& image) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal side = std::min(square.width(), square.height());
    QPainterPath clip;
    clip.addRoundedRect(square, side * 0.12, side * 0.12);
    painter.setClipPath(clip, Qt::IntersectClip);

    if (!image.isNull()) {
        // The centred part of the image with the square's proportions: the longer side is cut.
        const qreal scale =
            std::max(square.width() / image.width(), square.height() / image.height());
        const QSizeF shown(square.width() / scale, square.height() / scale);
        const QRectF source(
            QPointF((image.width() - shown.width()) / 2, (image.height() - shown.height()) / 2),
            shown);
        painter.drawImage(square, image, source);
    } else {
        painter.fillRect(square, theme::withOpacity(theme::kSecondaryText, 0.15));
        const int iconSize = std::max(1, qRound(side * 0.4));
        const qreal ratio =
            painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
        const QPixmap icon = iconPixmap(Icon::musicNote, theme::kTertiaryText, iconSize, ratio);
        const QPointF corner = square.center() - QPointF(iconSize / 2.0, iconSize / 2.0);
        painter.drawPixmap(corner, icon);
    }
    painter.restore();
}

} // namespace cuevox::views::ArtworkPainter
