#include "views/HeaderView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "views/Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace cuevox::views {

HeaderView::HeaderView(i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_title(new QLabel(this)),
      m_progressLabel(new QLabel(this)), m_progressBar(new QProgressBar(this)),
      m_count(new QLabel(this)), m_loadButton(new QPushButton(this)) {
    m_title->setFont(theme::font(theme::TextStyle::headline));
    m_progressLabel->setFont(theme::font(theme::TextStyle::caption));
    m_progressLabel->setForegroundRole(QPalette::PlaceholderText);
    m_progressLabel->hide();
    m_progressBar->setRange(0, 100);
    m_progressBar->setTextVisible(false);
    m_progressBar->setFixedSize(64, 4);
    // A slim line in the accent colour: the style's own bar is too tall for the header and its
    // fill all but vanishes at this height.
    m_progressBar->setStyleSheet(
        QStringLiteral("QProgressBar { background: rgba(255, 255, 255, 40); border: none;"
                       " border-radius: 2px; }"
                       "QProgressBar::chunk { background: %1; border-radius: 2px; }")
            .arg(theme::kAccent.name()));
    m_progressBar->hide();
    m_count->setFont(theme::font(theme::TextStyle::caption));
    m_count->setForegroundRole(QPalette::PlaceholderText);
    m_count->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_title);
    layout->addStretch();
    layout->addWidget(m_progressLabel);
    layout->addWidget(m_progressBar);
    layout->addSpacing(6);
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

void HeaderView::setLoadProgress(std::optional<int> percent) {
    m_loadPercent = percent;
    m_progressLabel->setVisible(percent.has_value());
    m_progressBar->setVisible(percent.has_value());
    m_progressBar->setValue(percent.value_or(0));
    retranslate();
}

void HeaderView::retranslate() {
    m_title->setText(m_localization.t("app.header_title"));
    m_progressLabel->setText(m_localization.t("app.loading_progress", m_loadPercent.value_or(0)));
    m_count->setText(m_localization.t("app.tracks_count", m_trackCount));
    m_loadButton->setText(m_localization.t("app.load_library"));
}

} // namespace cuevox::views
