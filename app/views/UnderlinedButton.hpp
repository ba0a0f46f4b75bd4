#pragma once

#include <QAbstractButton>

namespace cuevox::views {

// A text button without chrome: caption, semibold, underlined, white; at 35 % while disabled.
// The reset buttons of the filter bar and its panels.
class UnderlinedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit UnderlinedButton(QWidget* parent = nullptr);

    // Top and bottom padding around the text.
    void setVerticalPadding(int padding);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int m_verticalPadding = 0;
};

} // namespace cuevox::views
