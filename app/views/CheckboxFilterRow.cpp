#include "views/CheckboxFilterRow.hpp"

#include "views/Icons.hpp"
#include "views/Pill.hpp"
#include "views/Theme.hpp"

#include <QFontMetrics>
#include <QPainter>

namespace cuevox::views {
namespace {

constexpr int kHorizontalPadding = theme::kFilterRow.horizontalPadding;
constexpr int kMinimumGap = theme::kFilterRow.spacing;
constexpr int kCheckboxSize = theme::kFilterRow.iconSize;

} // namespace

CheckboxFilterRow::CheckboxFilterRow(QWidget* parent) : QAbstractButton(parent) {
    setFont(theme::font(theme::TextStyle::body));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

void CheckboxFilterRow::setOption(const QString& label, int count, bool selected) {
    setOption(QStringLiteral("%1 (%2)").arg(label).arg(count), selected);
}

void CheckboxFilterRow::setOption(const QString& label, bool selected) {
    if (label != text()) {
        setText(label);
        updateGeometry();
    }
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

QSize CheckboxFilterRow::sizeHint() const {
    const QFontMetrics metrics(font());
    return {theme::kFilterRow.width(metrics.horizontalAdvance(text()), false),
            theme::kFilterRow.height(metrics.height())};
}

void CheckboxFilterRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int checkboxLeft = width() - kHorizontalPadding - kCheckboxSize;
    painter.setFont(font());
    painter.setPen(theme::kPrimaryText);
    painter.drawText(
        QRect(kHorizontalPadding, 0, checkboxLeft - kMinimumGap - kHorizontalPadding, height()),
        Qt::AlignVCenter | Qt::AlignLeft, text());
    const QPixmap checkbox =
        m_selected
            ? iconPixmap(Icon::checkboxChecked, theme::kAccent, kCheckboxSize, devicePixelRatioF())
            : iconPixmap(Icon::checkboxUnchecked, theme::withOpacity(theme::kPrimaryText, 0.6),
                         kCheckboxSize, devicePixelRatioF());
    painter.drawPixmap(checkboxLeft, (height() - kCheckboxSize) / 2, checkbox);
}

} // namespace cuevox::views
