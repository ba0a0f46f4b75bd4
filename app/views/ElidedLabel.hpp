#pragma once

#include <QLabel>

namespace cuevox::views {

// A one-line label that cuts its text with "…" to the width it is given instead of widening
// the window for a long title.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cuevox::views
