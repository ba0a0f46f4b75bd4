#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// The settings pane: the interface language, applied the moment it is chosen.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    // `localization` must outlive the view.
    explicit SettingsView(i18n::LocalizationManager& localization, QWidget* parent = nullptr);

private:
    void retranslate();

    i18n::LocalizationManager& m_localization;
    QLabel* m_languageLabel;
    QComboBox* m_languageMenu;
    QLabel* m_hint;
};

// The settings pane in a window of its own, titled in the current language. `mainWindow` owns
// it and keeps it above itself: without a parent it would stay at the normal level, beneath a
// stay-on-top main window.
QWidget* makeSettingsWindow(i18n::LocalizationManager& localization, QWidget& mainWindow);

} // namespace cuevox::views
