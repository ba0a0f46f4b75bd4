#include "views/ModeChip.hpp"

#include "views/Theme.hpp"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace cuevox::views {
namespace {

constexpr int kHorizontalPadding = 10;
constexpr int kVerticalPadding = 6;
constexpr int kSpacing = 4;
constexpr int kIconSize = 12;

} // namespace

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
    return compact ? std::max(metrics.height(), kIconSize) + 2 * kVerticalPadding
                   : kHorizontalPadding + kIconSize + kSpacing + metrics.horizontalAdvance(text()) +
                         kHorizontalPadding;
}

QSize ModeChip::sizeHint() const {
    return {preferredWidth(m_compact),
            std::max(QFontMetrics(font()).height(), kIconSize) + 2 * kVerticalPadding};
}

void ModeChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? theme::withOpacity(theme::kAccent, 0.25)
                                 : theme::kPillBackground);
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);

    const QColor colour = isChecked() ? theme::kAccent : theme::kPrimaryText;
    const int iconLeft = m_compact ? (width() - kIconSize) / 2 : kHorizontalPadding;
    painter.drawPixmap(iconLeft, (height() - kIconSize) / 2,
                       iconPixmap(m_icon, colour, kIconSize, devicePixelRatioF()));
    if (!m_compact) {
        const int x = iconLeft + kIconSize + kSpacing;
        painter.setPen(colour);
        painter.setFont(font());
        painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft,
                         text());
    }
}

} // namespace cuevox::views
