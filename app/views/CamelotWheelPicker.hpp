#pragma once

#include "metadata/CamelotKey.hpp"

#include <QWidget>
#include <optional>

namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

// The key filter drawn as a Camelot wheel of 24 coloured wedges; a click on a wedge or its
// text toggles that key in the view model's selected keys.
class CamelotWheelPicker : public QWidget {
    Q_OBJECT

public:
    // `model` must outlive the picker.
    explicit CamelotWheelPicker(state::RecommendationViewModel& model, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {220, 220}; }

    // The key whose wedge or text lies under `point` (widget coordinates); nothing over the
    // centre disc or outside the wheel.
    std::optional<metadata::CamelotKey> keyAt(QPointF point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The largest square that fits, centred.
    QRectF wheelRect() const;
    QFont labelFont() const;
    QRectF labelRect(metadata::CamelotKey key) const;

    state::RecommendationViewModel& m_model;
    std::optional<metadata::CamelotKey> m_pressedKey;
};

} // namespace cuevox::views
