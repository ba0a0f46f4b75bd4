#include "views/CrateButton.hpp"

#include "views/DropDownPanel.hpp"
#include "views/Icons.hpp"
#include "views/Pill.hpp"
#include "views/Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace cuevox::views {

using theme::kCratePill;

CrateButton::CrateButton(QWidget* parent)
    : QAbstractButton(parent), m_icon(new QLabel(this)), m_text(new QLabel(this)),
      m_panel(new DropDownPanel(*this)) {
    m_icon->setFixedSize(kCratePill.iconSize, kCratePill.iconSize);
    m_text->setFont(theme::font(theme::TextStyle::subheadline, QFont::DemiBold));
    // Its natural size, always: the search field gives way first.
    m_text->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (QLabel* label : {m_icon, m_text}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Inside a button a label would take the button's text colour.
    m_text->setForegroundRole(QPalette::WindowText);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(kCratePill.spacing);
    layout->addWidget(m_icon);
    layout->addWidget(m_text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_pickable) {
            m_panel->popUp();
        }
    });
    restyle();
}

void CrateButton::setPickable(bool pickable) {
    if (pickable != m_pickable) {
        m_pickable = pickable;
        restyle();
    }
}

void CrateButton::setActive(bool active) {
    if (active != m_active) {
        m_active = active;
        restyle();
    }
}

void CrateButton::setPanelContent(QWidget* content) {
    m_panel->setContent(content);
}

void CrateButton::restyle() {
    // Never disabled, which would grey the count: without playlists it only ignores clicks.
    setCursor(m_pickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(m_pickable ? Qt::TabFocus : Qt::NoFocus);
    if (m_pickable) {
        layout()->setContentsMargins(kCratePill.horizontalPadding, kCratePill.verticalPadding,
                                     kCratePill.horizontalPadding + kCratePill.spacing +
                                         kCratePill.chevronSize,
                                     kCratePill.verticalPadding);
    } else {
        layout()->setContentsMargins(0, 0, 0, 0);
    }
    const QColor colour = m_active ? theme::kAccent : theme::kPrimaryText;
    m_icon->setPixmap(iconPixmap(m_active ? Icon::crate : Icon::allTracks, colour,
                                 kCratePill.iconSize, devicePixelRatioF()));
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_text->setPalette(palette);
    updateGeometry();
    update();
}

void CrateButton::paintEvent(QPaintEvent*) {
    if (!m_pickable) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    theme::paintCapsule(painter, rect(), theme::kPillBackground);
    const QColor colour = m_active ? theme::kAccent : theme::kPrimaryText;
    const int chevron = kCratePill.chevronSize;
    painter.drawPixmap(width() - kCratePill.horizontalPadding - chevron, (height() - chevron) / 2,
                       iconPixmap(Icon::chevronDown, colour, chevron, devicePixelRatioF()));
}

} // namespace cuevox::views
