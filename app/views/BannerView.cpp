#include "views/BannerView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "views/Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace cuevox::views {

BannerView::BannerView(Content content, i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_content(content), m_localization(localization), m_icon(new QLabel(this)),
      m_title(new QLabel(this)), m_body(new QLabel(this)), m_note(new QLabel(this)),
      m_firstButton(new QPushButton(this)), m_secondButton(new QPushButton(this)) {
    const int iconSize = 13;
    m_icon->setPixmap(iconPixmap(Icon::warning, m_content.color, iconSize, devicePixelRatioF()));
    m_title->setFont(theme::font(theme::TextStyle::subheadline, QFont::Bold));
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, m_content.color);
    m_title->setPalette(titlePalette);

    m_body->setFont(theme::font(theme::TextStyle::caption));
    m_body->setForegroundRole(QPalette::PlaceholderText);
    m_body->setWordWrap(true);
    m_body->setTextFormat(Qt::PlainText);
    // Three lines at most: a long system message must not push the list out of the window.
    m_body->setMaximumHeight(3 * m_body->fontMetrics().lineSpacing());
    m_body->setAlignment(Qt::AlignLeading | Qt::AlignTop);

    m_note->setFont(m_body->font());
    m_note->setForegroundRole(QPalette::PlaceholderText);
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setVisible(m_content.noteKey != nullptr);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(5);
    titleRow->addWidget(m_icon);
    titleRow->addWidget(m_title);
    titleRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_firstButton);
    buttons->addWidget(m_secondButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addLayout(titleRow);
    layout->addWidget(m_body);
    layout->addWidget(m_note);
    layout->addLayout(buttons);

    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &BannerView::retranslate);
    retranslate();
}

void BannerView::setMessage(std::function<QString()> message) {
    m_message = std::move(message);
    retranslate();
}

void BannerView::retranslate() {
    m_title->setText(m_localization.t(m_content.titleKey));
    m_body->setText(m_message ? m_message() : m_localization.t(m_content.bodyKey));
    if (m_content.noteKey) {
        m_note->setText(m_localization.t(m_content.noteKey));
    }
    m_firstButton->setText(m_localization.t(m_content.firstButtonKey));
    m_secondButton->setText(m_localization.t(m_content.secondButtonKey));
}

void BannerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), theme::withOpacity(m_content.color, 0.12));
}

} // namespace cuevox::views
