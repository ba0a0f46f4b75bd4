#include "views/WedgeShape.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cuevox::views {
namespace {

QPointF pointAt(const QPointF& centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

double radiusOf(const QRectF& rect) {
    return std::min(rect.width(), rect.height()) / 2.0;
}

} // namespace

WedgeShape WedgeShape::forKey(metadata::CamelotKey key) {
    const int position = key.number() == 12 ? 0 : key.number();
    const double start = 30.0 * position - 90.0;
    const bool outer = key.letter() == metadata::CamelotLetter::b;
    return {start, start + 30.0, outer ? kWheelRingBoundaryFraction : kWheelHoleFraction,
            outer ? kWheelOuterFraction : kWheelRingBoundaryFraction};
}

QPainterPath WedgeShape::path(const QRectF& rect) const {
    const QPointF centre = rect.center();
    const double radius = radiusOf(rect);
    const double outer = radius * outerRadiusFraction;
    const double inner = radius * innerRadiusFraction;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    // QPainterPath counts angles counter-clockwise with y up, hence the negated angles.
    const double sweep = endAngle - startAngle;
    QPainterPath result;
    result.moveTo(pointAt(centre, outer, startAngle));
    result.arcTo(outerBox, -startAngle, -sweep);
    result.lineTo(pointAt(centre, inner, endAngle));
    result.arcTo(innerBox, -endAngle, sweep);
    result.closeSubpath();
    return result;
}

QPointF WedgeShape::labelCentre(const QRectF& rect) const {
    return pointAt(rect.center(), radiusOf(rect) * (innerRadiusFraction + outerRadiusFraction) / 2,
                   startAngle + 15.0);
}

} // namespace cuevox::views
