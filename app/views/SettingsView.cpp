#include "views/SettingsView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace cuevox::views {

using i18n::AppLanguage;

SettingsView::SettingsView(i18n::LocalizationManager& localization,
                           state::RecommendationViewModel& model, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_model(model),
      m_languageLabel(new QLabel(this)), m_languageMenu(new QComboBox(this)),
      m_hint(new QLabel(this)), m_keysLabel(new QLabel(this)), m_openKey(new QCheckBox(this)),
      m_openKeyHint(new QLabel(this)) {
    // Native names never change with the interface language, so the items are filled once.
    for (const AppLanguage language : i18n::kAllLanguages) {
        m_languageMenu->addItem(QString::fromUtf8(i18n::nativeName(language).data()),
                                QVariant::fromValue(static_cast<int>(language)));
    }

    QFont caption = m_hint->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    for (QLabel* hint : {m_hint, m_openKeyHint}) {
        hint->setFont(caption);
        hint->setForegroundRole(QPalette::PlaceholderText);
        hint->setWordWrap(true);
    }
    m_openKey->setChecked(m_model.modes().openKey());

    auto* form = new QFormLayout(this);
    form->setContentsMargins(24, 24, 24, 24);
    form->addRow(m_languageLabel, m_languageMenu);
    form->addRow(QString(), m_hint);
    form->addItem(new QSpacerItem(0, 8));
    form->addRow(m_keysLabel, m_openKey);
    form->addRow(QString(), m_openKeyHint);
    setMinimumWidth(360);

    connect(m_openKey, &QCheckBox::clicked, &m_model.modes(), &state::ListModesState::setOpenKey);
    connect(&m_model.modes(), &state::ListModesState::openKeyChanged, this,
            [this] { m_openKey->setChecked(m_model.modes().openKey()); });

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
    m_keysLabel->setText(m_localization.t("settings.keys"));
    m_openKey->setText(m_localization.t("settings.open_key"));
    m_openKeyHint->setText(m_localization.t("settings.open_key_hint"));
    m_languageMenu->setCurrentIndex(
        m_languageMenu->findData(static_cast<int>(m_localization.language())));
}

QWidget* makeSettingsWindow(i18n::LocalizationManager& localization,
                            state::RecommendationViewModel& model, QWidget& mainWindow) {
    auto* window = new QWidget(&mainWindow, Qt::Dialog);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SettingsView(localization, model));
    const auto retitle = [window, &localization] {
        window->setWindowTitle(localization.t("settings.title"));
    };
    QObject::connect(&localization, &i18n::LocalizationManager::languageChanged, window, retitle);
    retitle();
    return window;
}

} // namespace cuevox::views
