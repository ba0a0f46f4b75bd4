#include "views/SettingsView.hpp"

#include "i18n/LocalizationManager.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace cuevox::views {

using i18n::AppLanguage;

SettingsView::SettingsView(i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent),
      m_localization(localization),
      m_languageLabel(new QLabel(this)),
      m_languageMenu(new QComboBox(this)),
      m_hint(new QLabel(this)) {
    // Native names never change with the interface language, so the items are filled once.
    for (const AppLanguage language : i18n::kAllLanguages) {
        m_languageMenu->addItem(QString::fromUtf8(i18n::nativeName(language).data()),
                                QVariant::fromValue(static_cast<int>(language)));
    }

    QFont caption = m_hint->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    m_hint->setFont(caption);
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    m_hint->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(24, 24, 24, 24);
    form->addRow(m_languageLabel, m_languageMenu);
    form->addRow(QString(), m_hint);
    setMinimumWidth(360);

    connect(m_languageMenu, &QComboBox::activated, this, [this](int index) {
        m_localization.setLanguage(
            static_cast<AppLanguage>(m_languageMenu->itemData(index).toInt()));
    });
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &SettingsView::retranslate);
    retranslate();
}

void SettingsView::retranslate() {
    m_languageLabel->setText(m_localization.t("settings.language"));
    m_hint->setText(m_localization.t("settings.language_hint"));
    m_languageMenu->setCurrentIndex(
        m_languageMenu->findData(static_cast<int>(m_localization.language())));
}

QWidget* makeSettingsWindow(i18n::LocalizationManager& localization, QWidget& mainWindow) {
    auto* window = new QWidget(&mainWindow, Qt::Dialog);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SettingsView(localization));
    const auto retitle = [window, &localization] {
        window->setWindowTitle(localization.t("settings.title"));
    };
    QObject::connect(&localization, &i18n::LocalizationManager::languageChanged, window, retitle);
    retitle();
    return window;
}

} // namespace cuevox::views
