#include "views/CrateButton.hpp"

#include "views/DropDownPanel.hpp"
#include "views/Icons.hpp"
#include "views/Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace cuevox::views {
namespace {

constexpr int kIconSize = 14;
constexpr int kIconGap = 4;
constexpr int kHorizontalPadding = 10;
constexpr int kVerticalPadding = 6;
constexpr int kChevronSize = 9;

} // namespace

CrateButton::CrateButton(QWidget* parent)
    : QAbstractButton(parent), m_icon(new QLabel(this)), m_text(new QLabel(this)),
      m_panel(new DropDownPanel(*this)) {
    m_icon->setFixedSize(kIconSize, kIconSize);
    m_text->setFont(theme::font(theme::TextStyle::subheadline, QFont::DemiBold));
    // Its natural size, always: the search field gives way first.
    m_text->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (QLabel* label : {m_icon, m_text}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Inside a button a label would take the button's text colour.
    m_text->setForegroundRole(QPalette::WindowText);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(kIconGap);
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
        layout()->setContentsMargins(kHorizontalPadding, kVerticalPadding,
                                     kHorizontalPadding + kIconGap + kChevronSize,
                                     kVerticalPadding);
    } else {
        layout()->setContentsMargins(0, 0, 0, 0);
    }
    const QColor colour = m_active ? theme::kAccent : theme::kPrimaryText;
    m_icon->setPixmap(iconPixmap(m_active ? Icon::crate : Icon::allTracks, colour, kIconSize,
                                 devicePixelRatioF()));
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
    const QRectF capsule = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kPillBackground);
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    const QColor colour = m_active ? theme::kAccent : theme::kPrimaryText;
    painter.drawPixmap(width() - kHorizontalPadding - kChevronSize, (height() - kChevronSize) / 2,
                       iconPixmap(Icon::chevronDown, colour, kChevronSize, devicePixelRatioF()));
}

} // namespace cuevox::views
