#include "views/ModeChip.hpp"

#include "views/Pill.hpp"
#include "views/Theme.hpp"

#include <QFontMetrics>
#include <QPainter>

namespace cuevox::views {

using theme::kPill;

ModeChip::ModeChip(Icon icon, QWidget* parent) : QAbstractButton(parent), m_icon(icon) {
    setCheckable(true);
    setFont(theme::font(theme::TextStyle::caption, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ModeChip::setTitle(const QString& title) {
    setText(title);
    setToolTip(title);
    updateGeometry();
}

void ModeChip::setCompact(bool compact) {
    if (compact != m_compact) {
        m_compact = compact;
        updateGeometry();
        update();
    }
}

int ModeChip::preferredWidth(bool compact) const {
    const QFontMetrics metrics(font());
    // Compact, a circle around the icon.
    return compact ? kPill.height(metrics.height())
                   : kPill.width(metrics.horizontalAdvance(text()), false);
}

QSize ModeChip::sizeHint() const {
    return {preferredWidth(m_compact), kPill.height(QFontMetrics(font()).height())};
}

void ModeChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    theme::paintCapsule(painter, rect(),
                        isChecked() ? theme::withOpacity(theme::kAccent, 0.25)
                                    : theme::kPillBackground);
    const QColor colour = isChecked() ? theme::kAccent : theme::kPrimaryText;
    if (m_compact) {
        painter.drawPixmap((width() - kPill.iconSize) / 2, (height() - kPill.iconSize) / 2,
                           iconPixmap(m_icon, colour, kPill.iconSize, devicePixelRatioF()));
    } else {
        theme::paintPillContent(painter, *this, kPill, m_icon, text(), colour, false);
    }
}

} // namespace cuevox::views
