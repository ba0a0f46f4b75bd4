#include "views/Icons.hpp"

#include <QHash>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace cuevox::views {

QPixmap iconPixmap(Icon icon, const QColor& color, int size, qreal devicePixelRatio) {
    // Main thread only, as all painting is.
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(QLatin1String(icon.drawing))
                            .arg(color.rgba())
                            .arg(size)
                            .arg(devicePixelRatio);
    if (const auto found = cache.constFind(key); found != cache.constEnd()) {
        return *found;
    }

    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.drawing)));
        renderer.render(&painter);
        // The drawings are black shapes; the colour replaces black where they cover.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), color);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace cuevox::views
