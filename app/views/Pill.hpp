#pragma once

#include "views/Icons.hpp"

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <optional>

class QFontMetrics;
class QPainter;
class QWidget;

// The capsule every pill of the window is drawn as, with its sizes, so that no two pills differ
// by a pixel they did not mean.
namespace cuevox::views::theme {

struct PillMetrics {
    int horizontalPadding = 10;
    int verticalPadding = 6;
    // Between the icon, the text and the chevron.
    int spacing = 4;
    int iconSize = 12;
    int chevronSize = 9;

    int height(int textHeight) const {
        return std::max(textHeight, iconSize) + 2 * verticalPadding;
    }
    // The icon, the text and, when asked, the chevron, between the two paddings.
    int width(int textWidth, bool chevron) const {
        return 2 * horizontalPadding + iconSize + spacing + textWidth +
               (chevron ? spacing + chevronSize : 0);
    }
};

// The filter pills and the mode switches.
inline constexpr PillMetrics kPill{};
// The crate button, whose icon stands beside a larger count.
inline constexpr PillMetrics kCratePill{.iconSize = 14};
// A row of a filter list: the text first, its checkbox at the far end.
inline constexpr PillMetrics kFilterRow{
    .horizontalPadding = 14, .verticalPadding = 7, .spacing = 12, .iconSize = 14, .chevronSize = 0};
// The score of a track row.
inline constexpr PillMetrics kScoreBadge{
    .horizontalPadding = 7, .verticalPadding = 3, .spacing = 0, .iconSize = 0, .chevronSize = 0};
inline constexpr qreal kScoreBadgeRadius = 6;

// Fills `box` as a capsule, its ends round unless `radius` says otherwise, inside a one-pixel
// border when one is given; smooth where the painter antialiases.
void paintCapsule(QPainter& painter, const QRectF& box, const QColor& fill,
                  std::optional<QColor> border = std::nullopt,
                  std::optional<qreal> radius = std::nullopt);

// Paints a pill's content left to right in `widget`: its icon, its text and, when asked, a
// chevron, all in `colour`.
void paintPillContent(QPainter& painter, const QWidget& widget, const PillMetrics& metrics,
                      Icon icon, const QString& text, const QColor& colour, bool chevron);

} // namespace cuevox::views::theme
