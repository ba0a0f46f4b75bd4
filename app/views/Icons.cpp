#include "views/Icons.hpp"

#include <QHash>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace cuevox::views {
namespace {

// The one place that says which drawing stands for which icon.
QString resourcePath(Icon icon) {
    const char* file = [icon] {
        // clang-format off
        switch (icon) {
        case Icon::warning: return "alert";
        case Icon::warningOutline: return "alert-outline";
        case Icon::allTracks: return "infinity";
        case Icon::key: return "radiobox-marked";
        case Icon::tempo: return "metronome";
        case Icon::energy: return "chart-bar";
        case Icon::genre: return "layers";
        case Icon::year: return "calendar";
        case Icon::label: return "cassette";
        case Icon::chevronDown: return "chevron-down";
        case Icon::search: return "magnify";
        case Icon::checkboxChecked: return "checkbox-marked";
        case Icon::checkboxUnchecked: return "checkbox-blank-outline";
        case Icon::musicNote: return "music-note";
        case Icon::crate: return "folder-music";
        case Icon::hidePlayed: return "eye-off";
        case Icon::varyArtists: return "account-switch";
        case Icon::yourStyle: return "account-music";
        }
        // clang-format on
        return "alert";
    }();
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file));
}

} // namespace

QPixmap iconPixmap(Icon icon, const QColor& color, int size, qreal devicePixelRatio) {
    // Main thread only, as all painting is.
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(static_cast<int>(icon))
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
        QSvgRenderer renderer(resourcePath(icon));
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
