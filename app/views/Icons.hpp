#pragma once

#include <QColor>
#include <QPixmap>

namespace cuevox::views {

// An icon: the name of its drawing among the interface's resources (resources/icons/NAME.svg),
// so that a new control brings its drawing without a list to extend. The icons the interface
// itself shows are named after what they stand for.
struct Icon {
    const char* drawing;

    static const Icon warning;        // banners
    static const Icon warningOutline; // track not found in the collection
    static const Icon allTracks;
    static const Icon key;
    static const Icon tempo;
    static const Icon energy;
    static const Icon genre;
    static const Icon year;
    static const Icon label;
    static const Icon chevronDown;
    static const Icon search;
    static const Icon checkboxChecked;
    static const Icon checkboxUnchecked;
    static const Icon musicNote; // artwork placeholder
    static const Icon crate;
};

// clang-format off
inline constexpr Icon Icon::warning{"alert"};
inline constexpr Icon Icon::warningOutline{"alert-outline"};
inline constexpr Icon Icon::allTracks{"infinity"};
inline constexpr Icon Icon::key{"radiobox-marked"};
inline constexpr Icon Icon::tempo{"metronome"};
inline constexpr Icon Icon::energy{"chart-bar"};
inline constexpr Icon Icon::genre{"layers"};
inline constexpr Icon Icon::year{"calendar"};
inline constexpr Icon Icon::label{"cassette"};
inline constexpr Icon Icon::chevronDown{"chevron-down"};
inline constexpr Icon Icon::search{"magnify"};
inline constexpr Icon Icon::checkboxChecked{"checkbox-marked"};
inline constexpr Icon Icon::checkboxUnchecked{"checkbox-blank-outline"};
inline constexpr Icon Icon::musicNote{"music-note"};
inline constexpr Icon Icon::crate{"folder-music"};
// clang-format on

// The icon tinted in one colour, `size` device-independent pixels square, sharp on any screen.
// Drawn once per icon, colour, size and pixel ratio, then reused.
QPixmap iconPixmap(Icon icon, const QColor& color, int size, qreal devicePixelRatio = 1.0);

} // namespace cuevox::views
