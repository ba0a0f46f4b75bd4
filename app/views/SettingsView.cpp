#include "views/SettingsView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace cuevox::views {

using i18n::AppLanguage;

SettingsView::SettingsView(i18n::LocalizationManager& localization,
                           state::RecommendationViewModel& model, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_model(model),
      m_languageLabel(new QLabel(this)), m_languageMenu(new QComboBox(this)),
      m_hint(new QLabel(this)), m_keysLabel(new QLabel(this)), m_openKey(new QCheckBox(this)),
      m_openKeyHint(new QLabel(this)), m_setsLabel(new QLabel(this)),
      m_rememberSets(new QCheckBox(this)), m_rememberSetsHint(new QLabel(this)),
      m_historyLabel(new QLabel(this)), m_folder(new QLabel(this)),
      m_chooseFolder(new QPushButton(this)), m_clearFolder(new QPushButton(this)),
      m_historyHint(new QLabel(this)) {
    // Native names never change with the interface language, so the items are filled once.
    for (const AppLanguage language : i18n::kAllLanguages) {
        m_languageMenu->addItem(QString::fromUtf8(i18n::nativeName(language).data()),
                                QVariant::fromValue(static_cast<int>(language)));
    }

    QFont caption = m_hint->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    for (QLabel* hint : {m_hint, m_openKeyHint, m_rememberSetsHint, m_historyHint}) {
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
    addSetsRows(*form);
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

void SettingsView::addSetsRows(QFormLayout& form) {
    auto* folderRow = new QHBoxLayout;
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_folder->setWordWrap(true);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_chooseFolder);
    folderRow->addWidget(m_clearFolder);
    form.addItem(new QSpacerItem(0, 8));
    form.addRow(m_setsLabel, m_rememberSets);
    form.addRow(QString(), m_rememberSetsHint);
    form.addRow(m_historyLabel, folderRow);
    form.addRow(QString(), m_historyHint);

    state::StyleSession& style = m_model.style();
    connect(m_rememberSets, &QCheckBox::clicked, &style, &state::StyleSession::setRemembersSets);
    connect(m_chooseFolder, &QPushButton::clicked, this, [this] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, m_localization.t("settings.history_folder"));
        if (!folder.isEmpty()) {
            m_model.style().setHistoryFolder(std::filesystem::path(folder.toStdString()));
        }
    });
    connect(m_clearFolder, &QPushButton::clicked, &style,
            [&style] { style.setHistoryFolder(std::nullopt); });
    connect(&style, &state::StyleSession::settingsChanged, this, &SettingsView::showSets);
}

void SettingsView::showSets() {
    const state::StyleSession& style = m_model.style();
    m_rememberSets->setChecked(style.remembersSets());
    const auto folder = style.historyFolder();
    m_folder->setText(folder ? QString::fromStdString(folder->string())
                             : m_localization.t("settings.no_folder"));
    m_clearFolder->setEnabled(folder.has_value());
}

void SettingsView::retranslate() {
    m_languageLabel->setText(m_localization.t("settings.language"));
    m_hint->setText(m_localization.t("settings.language_hint"));
    m_keysLabel->setText(m_localization.t("settings.keys"));
    m_openKey->setText(m_localization.t("settings.open_key"));
    m_openKeyHint->setText(m_localization.t("settings.open_key_hint"));
    m_setsLabel->setText(m_localization.t("settings.sets"));
    m_rememberSets->setText(m_localization.t("settings.remember_sets"));
    m_rememberSetsHint->setText(m_localization.t("settings.remember_sets_hint"));
    m_historyLabel->setText(m_localization.t("settings.history_folder"));
    m_chooseFolder->setText(m_localization.t("settings.choose_folder"));
    m_clearFolder->setText(m_localization.t("settings.clear_folder"));
    m_historyHint->setText(m_localization.t("settings.history_hint"));
    showSets();
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
