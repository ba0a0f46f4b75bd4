#pragma once

#include "metadata/CamelotKey.hpp"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace cuevox::views {

// One ring segment of the key wheel. Angles are in degrees from the positive x axis, growing
// clockwise on screen (y points down); radii are fractions of the wheel's radius.
struct WedgeShape {
    double startAngle = 0;
    double endAngle = 0;
    double innerRadiusFraction = 0;
    double outerRadiusFraction = 1;

    // The wedge of a key: 12 starts straight up, each number 30 degrees further clockwise;
    // B keys on the outer ring, A keys on the inner one.
    static WedgeShape forKey(metadata::CamelotKey key);

    // The closed outline inside `rect`: centred in it, radius half its smaller side.
    QPainterPath path(const QRectF& rect) const;

    // Where the key's text goes: 15 degrees into the wedge, halfway between its radii.
    QPointF labelCentre(const QRectF& rect) const;

    bool operator==(const WedgeShape&) const = default;
};

// The ring radii of the wheel, as fractions of its radius.
inline constexpr double kWheelHoleFraction = 0.26;
inline constexpr double kWheelRingBoundaryFraction = 0.62;
inline constexpr double kWheelOuterFraction = 0.98;

} // namespace cuevox::views
