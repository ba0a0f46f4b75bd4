#include "HeaderView.hpp"

#include "LocalizationManager.hpp"
#include "Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace cuevox::views {

HeaderView::HeaderView(i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_title(new QLabel(this)),
      m_count(new QLabel(this)), m_loadButton(new QPushButton(this)) {
    m_title->setFont(theme::font(theme::TextStyle::headline));
    m_count->setFont(theme::font(theme::TextStyle::caption));
    m_count->setForegroundRole(QPalette::PlaceholderText);
    m_count->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_title);
    layout->addStretch();
    layout->addWidget(m_count);
    layout->addWidget(m_loadButton);

    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &HeaderView::retranslate);
    retranslate();
}

void HeaderView::setTrackCount(int count) {
    m_trackCount = count;
    m_count->setVisible(count > 0);
    retranslate();
}

void HeaderView::retranslate() {
    m_title->setText(m_localization.t("app.header_title"));
    m_count->setText(m_localization.t("app.tracks_count", m_trackCount));
    m_loadButton->setText(m_localization.t("app.load_library"));
}

} // namespace cuevox::views
