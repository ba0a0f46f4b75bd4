#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

// The settings pane: the interface language, the Open Key reading, and what Your style learns
// from (the sets Cuevox remembers, a folder of history files), each applied the moment it is
// chosen.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    // `localization` and `model` must outlive the view.
    SettingsView(i18n::LocalizationManager& localization, state::RecommendationViewModel& model,
                 QWidget* parent = nullptr);

    QCheckBox& openKeySwitch() const { return *m_openKey; }
    QCheckBox& rememberSetsSwitch() const { return *m_rememberSets; }
    QPushButton& chooseHistoryFolderButton() const { return *m_chooseFolder; }
    QPushButton& clearHistoryFolderButton() const { return *m_clearFolder; }
    QLabel& historyFolderLabel() const { return *m_folder; }

private:
    void addSetsRows(QFormLayout& form);
    void retranslate();
    void showSets();

    i18n::LocalizationManager& m_localization;
    state::RecommendationViewModel& m_model;
    QLabel* m_languageLabel;
    QComboBox* m_languageMenu;
    QLabel* m_hint;
    QLabel* m_keysLabel;
    QCheckBox* m_openKey;
    QLabel* m_openKeyHint;
    QLabel* m_setsLabel;
    QCheckBox* m_rememberSets;
    QLabel* m_rememberSetsHint;
    QLabel* m_historyLabel;
    QLabel* m_folder;
    QPushButton* m_chooseFolder;
    QPushButton* m_clearFolder;
    QLabel* m_historyHint;
};

// The settings pane in a window of its own, titled in the current language. `mainWindow` owns
// it and keeps it above itself: without a parent it would stay at the normal level, beneath a
// stay-on-top main window.
QWidget* makeSettingsWindow(i18n::LocalizationManager& localization,
                            state::RecommendationViewModel& model, QWidget& mainWindow);

} // namespace cuevox::views
