#include "views/SearchField.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/Icons.hpp"
#include "views/Theme.hpp"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace cuevox::views {
namespace {

constexpr int kIconSize = 12;

} // namespace

SearchField::SearchField(state::RecommendationViewModel& model,
                         i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization),
      m_lineEdit(new QLineEdit(this)) {
    auto* icon = new QLabel(this);
    icon->setPixmap(iconPixmap(Icon::search, theme::withOpacity(theme::kPrimaryText, 0.6),
                               kIconSize, devicePixelRatioF()));
    icon->setFixedSize(kIconSize, kIconSize);

    m_lineEdit->setFrame(false);
    m_lineEdit->setFont(theme::font(theme::TextStyle::caption));
    QPalette palette = m_lineEdit->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, theme::kPrimaryText);
    palette.setColor(QPalette::PlaceholderText, theme::kSecondaryText);
    m_lineEdit->setPalette(palette);
    m_lineEdit->setTextMargins(0, 0, 0, 0);
    m_lineEdit->setMinimumWidth(0);
    // As high as its text, so the capsule matches the pills beside it.
    m_lineEdit->setFixedHeight(QFontMetrics(m_lineEdit->font()).height());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addWidget(icon);
    layout->addWidget(m_lineEdit, 1);

    setMinimumWidth(kMinimumWidth);
    setMaximumWidth(kMaximumWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // Every keystroke writes the model; the echo that comes back is then equal to the text and
    // leaves the cursor alone. Only a change made elsewhere (a reset) replaces the text.
    connect(m_lineEdit, &QLineEdit::textEdited, &m_model.filters(),
            &state::FilterState::setSearchText);
    connect(&m_model.filters(), &state::FilterState::searchTextChanged, this,
            &SearchField::showModelText);
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &SearchField::retranslate);
    showModelText();
    retranslate();
}

void SearchField::showModelText() {
    if (m_lineEdit->text() != m_model.filters().searchText()) {
        m_lineEdit->setText(m_model.filters().searchText());
    }
}

void SearchField::retranslate() {
    m_lineEdit->setPlaceholderText(m_localization.t("filter.search_placeholder"));
}

void SearchField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kPillBackground);
    const QRectF capsule = rect();
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
}

} // namespace cuevox::views
