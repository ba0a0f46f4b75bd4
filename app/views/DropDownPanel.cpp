#include "views/DropDownPanel.hpp"

#include "views/Theme.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace cuevox::views {
namespace {

constexpr int kGapBelowAnchor = 4;
constexpr qreal kCornerRadius = 10;

} // namespace

DropDownPanel::DropDownPanel(QWidget& anchor) : QFrame(&anchor, Qt::Popup), m_anchor(anchor) {
    // Rounded corners need a see-through window; the 98 % fill is painted by hand.
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The window follows its content, so a list that gains rows while open grows with them.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DropDownPanel::setContent(QWidget* content) {
    delete m_content;
    m_content = content;
    if (m_content) {
        layout()->addWidget(m_content);
    }
}

void DropDownPanel::popUp() {
    if (isVisible()) {
        raise();
        return;
    }
    adjustSize();
    const QRect anchor(m_anchor.mapToGlobal(QPoint(0, 0)), m_anchor.size());
    QPoint topLeft(anchor.center().x() - width() / 2, anchor.bottom() + 1 + kGapBelowAnchor);
    if (const QScreen* screen = m_anchor.screen()) {
        const QRect available = screen->availableGeometry();
        if (topLeft.y() + height() > available.bottom() &&
            anchor.top() - kGapBelowAnchor - height() >= available.top()) {
            topLeft.setY(anchor.top() - kGapBelowAnchor - height());
        }
        topLeft.setX(std::clamp(topLeft.x(), available.left(),
                                std::max(available.left(), available.right() + 1 - width())));
    }
    move(topLeft);
    show();
}

void DropDownPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::withOpacity(theme::kPrimaryText, 0.1), 1));
    painter.setBrush(theme::withOpacity(theme::kPillBackground, 0.98));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                            kCornerRadius);
}

void DropDownPanel::mousePressEvent(QMouseEvent* event) {
    // A popup sees every press while open. One outside closes it, except on the anchor: pressing
    // the pill again must never close its panel.
    const QPoint global = event->globalPosition().toPoint();
    if (!rect().contains(event->position().toPoint()) &&
        QRect(m_anchor.mapToGlobal(QPoint(0, 0)), m_anchor.size()).contains(global)) {
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void DropDownPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    emit visibilityChanged(true);
}

void DropDownPanel::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    emit visibilityChanged(false);
}

} // namespace cuevox::views
