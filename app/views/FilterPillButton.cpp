#include "views/FilterPillButton.hpp"

#include "views/DropDownPanel.hpp"
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
constexpr int kChevronSize = 9;

} // namespace

FilterPillButton::FilterPillButton(Icon icon, QWidget* parent)
    : QAbstractButton(parent), m_icon(icon), m_panel(new DropDownPanel(*this)) {
    setFont(theme::font(theme::TextStyle::caption, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, m_panel, &DropDownPanel::popUp);
    connect(m_panel, &DropDownPanel::visibilityChanged, this, &FilterPillButton::presentedChanged);
}

void FilterPillButton::setActive(bool active) {
    if (active != m_active) {
        m_active = active;
        update();
    }
}

void FilterPillButton::setPanelContent(QWidget* content) {
    m_panel->setContent(content);
}

bool FilterPillButton::isPresented() const {
    return m_panel->isVisible();
}

QColor FilterPillButton::foreground() const {
    return m_active ? theme::kAccent : theme::kPrimaryText;
}

QSize FilterPillButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int content =
        kIconSize + kSpacing + metrics.horizontalAdvance(text()) + kSpacing + kChevronSize;
    return {content + 2 * kHorizontalPadding,
            std::max(metrics.height(), kIconSize) + 2 * kVerticalPadding};
}

void FilterPillButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kPillBackground);
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);

    const QColor colour = foreground();
    const qreal ratio = devicePixelRatioF();
    int x = kHorizontalPadding;
    painter.drawPixmap(x, (height() - kIconSize) / 2, iconPixmap(m_icon, colour, kIconSize, ratio));
    x += kIconSize + kSpacing;

    const int textWidth = QFontMetrics(font()).horizontalAdvance(text());
    painter.setPen(colour);
    painter.setFont(font());
    painter.drawText(QRect(x, 0, textWidth, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    x += textWidth + kSpacing;

    painter.drawPixmap(x, (height() - kChevronSize) / 2,
                       iconPixmap(Icon::chevronDown, colour, kChevronSize, ratio));
}

} // namespace cuevox::views
