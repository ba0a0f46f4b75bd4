#pragma once

#include <QFrame>

namespace cuevox::views {

// The drop-down that stands in for a popover: a popup window below its anchor, closed by
// Escape or a click outside it. A press on the anchor itself keeps it open.
class DropDownPanel : public QFrame {
    Q_OBJECT

public:
    // The panel is a child of `anchor` and dies with it.
    explicit DropDownPanel(QWidget& anchor);

    // Takes ownership of `content`, replacing any earlier content.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }

    // Shows the panel centred below the anchor, kept on the anchor's screen.
    void popUp();

signals:
    void visibilityChanged(bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget& m_anchor;
    QWidget* m_content = nullptr;
};

} // namespace cuevox::views
