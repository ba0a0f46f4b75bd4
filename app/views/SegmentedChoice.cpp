#include "views/SegmentedChoice.hpp"

#include "views/Theme.hpp"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace cuevox::views {
namespace {

constexpr int kInset = 2;
constexpr qreal kCornerRadius = 7;

} // namespace

SegmentedChoice::SegmentedChoice(QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kInset, kInset, kInset, kInset);
    layout->setSpacing(kInset);
    // As wide as the panel, the segments sharing it.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedChoice::picked);
    setStyleSheet(
        QStringLiteral(
            "QPushButton { background: transparent; color: %1; border: none; border-radius: 5px;"
            " padding: 3px 8px; }"
            "QPushButton:hover:!checked { background: rgba(255, 255, 255, 20); }"
            "QPushButton:checked { background: %2; }")
            .arg(theme::kPrimaryText.name(), theme::kAccent.name()));
}

void SegmentedChoice::addSegment(int id) {
    auto* button = new QPushButton(this);
    button->setCheckable(true);
    button->setFont(theme::font(theme::TextStyle::caption, QFont::Medium));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_group->addButton(button, id);
    layout()->addWidget(button);
}

void SegmentedChoice::setSegmentText(int id, const QString& text) {
    if (QAbstractButton* button = m_group->button(id)) {
        button->setText(text);
    }
}

void SegmentedChoice::setChosen(int id) {
    if (QAbstractButton* button = m_group->button(id)) {
        button->setChecked(true);
    }
}

int SegmentedChoice::chosen() const {
    return m_group->checkedId();
}

QAbstractButton* SegmentedChoice::segment(int id) const {
    return m_group->button(id);
}

void SegmentedChoice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kBarBackground);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
}

} // namespace cuevox::views
