#include "views/Pill.hpp"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace cuevox::views::theme {

void paintCapsule(QPainter& painter, const QRectF& box, const QColor& fill,
                  std::optional<QColor> border, std::optional<qreal> radius) {
    painter.setBrush(fill);
    if (border) {
        // Half a pixel in, so that the line falls on whole pixels.
        painter.setPen(QPen(*border, 1.0));
        const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawRoundedRect(inner, radius.value_or(inner.height() / 2),
                                radius.value_or(inner.height() / 2));
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(box, radius.value_or(box.height() / 2),
                                radius.value_or(box.height() / 2));
    }
}

void paintPillContent(QPainter& painter, const QWidget& widget, const PillMetrics& metrics,
                      Icon icon, const QString& text, const QColor& colour, bool chevron) {
    const qreal ratio = widget.devicePixelRatioF();
    const int height = widget.height();
    int x = metrics.horizontalPadding;
    painter.drawPixmap(x, (height - metrics.iconSize) / 2,
                       iconPixmap(icon, colour, metrics.iconSize, ratio));
    x += metrics.iconSize + metrics.spacing;
    const int textWidth = QFontMetrics(widget.font()).horizontalAdvance(text);
    painter.setPen(colour);
    painter.setFont(widget.font());
    painter.drawText(QRect(x, 0, textWidth, height), Qt::AlignVCenter | Qt::AlignLeft, text);
    if (chevron) {
        x += textWidth + metrics.spacing;
        painter.drawPixmap(x, (height - metrics.chevronSize) / 2,
                           iconPixmap(Icon::chevronDown, colour, metrics.chevronSize, ratio));
    }
}

} // namespace cuevox::views::theme
