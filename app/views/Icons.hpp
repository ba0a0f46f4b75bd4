#pragma once

#include <QColor>
#include <QPixmap>

namespace cuevox::views {

// Every icon the interface shows, named after what it stands for.
enum class Icon {
    warning,        // banners
    warningOutline, // track not found in the collection
    allTracks,
    key,
    tempo,
    energy,
    genre,
    year,
    label,
    chevronDown,
    search,
    checkboxChecked,
    checkboxUnchecked,
    musicNote, // artwork placeholder
    crate,
    hidePlayed,
    varyArtists,
    yourStyle,
};

// The icon tinted in one colour, `size` device-independent pixels square, sharp on any screen.
// Drawn once per icon, colour, size and pixel ratio, then reused.
QPixmap iconPixmap(Icon icon, const QColor& color, int size, qreal devicePixelRatio = 1.0);

} // namespace cuevox::views
