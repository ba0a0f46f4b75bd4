#include "views/FilterPillButton.hpp"

#include "views/DropDownPanel.hpp"
#include "views/Pill.hpp"
#include "views/Theme.hpp"

#include <QFontMetrics>
#include <QPainter>

namespace cuevox::views {

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
    return {theme::kPill.width(metrics.horizontalAdvance(text()), true),
            theme::kPill.height(metrics.height())};
}

void FilterPillButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    theme::paintCapsule(painter, rect(), theme::kPillBackground);
    theme::paintPillContent(painter, *this, theme::kPill, m_icon, text(), foreground(), true);
}

} // namespace cuevox::views
