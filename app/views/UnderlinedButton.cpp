#include "views/UnderlinedButton.hpp"

#include "views/Theme.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace cuevox::views {

UnderlinedButton::UnderlinedButton(QWidget* parent) : QAbstractButton(parent) {
    QFont caption = theme::font(theme::TextStyle::caption, QFont::DemiBold);
    caption.setUnderline(true);
    setFont(caption);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void UnderlinedButton::setVerticalPadding(int padding) {
    m_verticalPadding = padding;
    updateGeometry();
}

QSize UnderlinedButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2, metrics.height() + 2 * m_verticalPadding};
}

void UnderlinedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(isEnabled() ? theme::kPrimaryText
                               : theme::withOpacity(theme::kPrimaryText, 0.35));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void UnderlinedButton::changeEvent(QEvent* event) {
    // A disabled button must not look clickable.
    if (event->type() == QEvent::EnabledChange) {
        setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    QAbstractButton::changeEvent(event);
}

} // namespace cuevox::views
