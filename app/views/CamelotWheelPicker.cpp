#include "views/CamelotWheelPicker.hpp"

#include "state/RecommendationViewModel.hpp"
#include "views/KeyColors.hpp"
#include "views/WedgeShape.hpp"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace cuevox::views {

using metadata::CamelotKey;
using metadata::CamelotLetter;

namespace {

constexpr qreal kDimmedOpacity = 0.35;

QString keyText(CamelotKey key) {
    return QString::fromStdString(key.toString());
}

} // namespace

CamelotWheelPicker::CamelotWheelPicker(state::RecommendationViewModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    connect(&m_model.filters(), &state::FilterState::keysChanged, this,
            qOverload<>(&QWidget::update));
}

QRectF CamelotWheelPicker::wheelRect() const {
    const qreal side = std::min(width(), height());
    return {(width() - side) / 2.0, (height() - side) / 2.0, side, side};
}

QFont CamelotWheelPicker::labelFont() const {
    QFont result = font();
    result.setPixelSize(std::max(1, qRound(wheelRect().width() * 0.045)));
    result.setWeight(QFont::DemiBold);
    return result;
}

QRectF CamelotWheelPicker::labelRect(CamelotKey key) const {
    const QFontMetricsF metrics(labelFont());
    const QSizeF size(metrics.horizontalAdvance(keyText(key)), metrics.height());
    const QPointF centre = WedgeShape::forKey(key).labelCentre(wheelRect());
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

std::optional<CamelotKey> CamelotWheelPicker::keyAt(QPointF point) const {
    // A text may reach a little past its wedge at small sizes; the text wins there.
    for (const CamelotKey key : CamelotKey::allPositions()) {
        if (labelRect(key).contains(point)) {
            return key;
        }
    }
    const QRectF wheel = wheelRect();
    const QPointF offset = point - wheel.center();
    const double radius = std::hypot(offset.x(), offset.y()) / (wheel.width() / 2);
    if (radius < kWheelHoleFraction || radius > kWheelOuterFraction) {
        return std::nullopt;
    }
    // Degrees clockwise from straight up, in [0, 360): wedge p covers [30p, 30p + 30).
    double fromTop = std::atan2(offset.y(), offset.x()) * 180.0 / std::numbers::pi + 90.0;
    fromTop = std::fmod(fromTop + 360.0, 360.0);
    const int position = std::min(11, static_cast<int>(fromTop / 30.0));
    return CamelotKey::make(position == 0 ? 12 : position, radius < kWheelRingBoundaryFraction
                                                               ? CamelotLetter::a
                                                               : CamelotLetter::b);
}

void CamelotWheelPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF wheel = wheelRect();
    const auto& selected = m_model.filters().selections().keys;

    for (const CamelotKey key : CamelotKey::allPositions()) {
        const QPainterPath path = WedgeShape::forKey(key).path(wheel);
        const bool full = selected.empty() || selected.contains(key);
        painter.fillPath(
            path, full ? keyColor(key) : [&] {
                QColor dimmed = keyColor(key);
                dimmed.setAlphaF(static_cast<float>(kDimmedOpacity));
                return dimmed;
            }());
        painter.strokePath(path, QPen(QColor::fromRgbF(0, 0, 0, 0.25f), 0.5));
    }
    // After every fill, so that no neighbour covers half of a selected outline.
    for (const CamelotKey key : CamelotKey::allPositions()) {
        if (selected.contains(key)) {
            painter.strokePath(WedgeShape::forKey(key).path(wheel), QPen(Qt::white, 2.5));
        }
    }

    painter.setFont(labelFont());
    painter.setPen(QColor::fromRgbF(0, 0, 0, 0.75f));
    for (const CamelotKey key : CamelotKey::allPositions()) {
        painter.drawText(labelRect(key), Qt::AlignCenter, keyText(key));
    }
}

void CamelotWheelPicker::mouseMoveEvent(QMouseEvent* event) {
    // Only the wedges are clickable; the centre disc and the corners are not.
    setCursor(keyAt(event->position()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CamelotWheelPicker::mousePressEvent(QMouseEvent* event) {
    m_pressedKey = event->button() == Qt::LeftButton ? keyAt(event->position()) : std::nullopt;
    event->accept();
}

void CamelotWheelPicker::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the same key, so dragging off a wedge cancels it.
    const auto pressed = std::exchange(m_pressedKey, std::nullopt);
    if (event->button() != Qt::LeftButton || !pressed || keyAt(event->position()) != pressed) {
        return;
    }
    auto keys = m_model.filters().selections().keys;
    if (!keys.erase(*pressed)) {
        keys.insert(*pressed);
    }
    m_model.filters().setKeys(std::move(keys));
}

} // namespace cuevox::views
