#include "views/SettingsView.hpp"

#include "ViewModelFixture.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QWindow>

namespace cuevox::views {
namespace {

using i18n::AppLanguage;

QStringList labelTexts(const QWidget& view) {
    QStringList texts;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

TEST(SettingsViewTest, ChoosingALanguageRetranslatesAtOnceAndTheWindowOpensAboveTheMainWindow) {
    testing::TestViewModel vm;
    i18n::LocalizationManager& localization = vm.localization;
    SettingsView view(localization, vm.model);
    auto* menu = view.findChild<QComboBox*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->count(), 10);
    EXPECT_EQ(menu->currentText(), QStringLiteral("English"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("Language")));
    // What a click on the menu does: an activation of the chosen row.
    emit menu->activated(2);
    EXPECT_EQ(localization.language(), AppLanguage::de);
    EXPECT_EQ(vm.settings.value("appLanguage").toString(), QStringLiteral("de"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("Sprache")));
    EXPECT_TRUE(
        labelTexts(view).contains(QStringLiteral("Änderungen gelten sofort in der gesamten App.")));
    EXPECT_EQ(menu->itemText(2), QStringLiteral("Deutsch")) << "native names never change";
    // A change made elsewhere shows in the menu too.
    localization.setLanguage(AppLanguage::zh);
    EXPECT_EQ(menu->currentText(), QStringLiteral("中文"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("语言")));
    // The window system keeps a window above its transient parent (Qt's macOS backend gives it the
    // parent's level), so settings open above the stay-on-top main window instead of beneath it.
    QMainWindow mainWindow;
    mainWindow.setWindowFlag(Qt::WindowStaysOnTopHint);
    mainWindow.show();
    QWidget* window = makeSettingsWindow(localization, vm.model, mainWindow);
    window->show();
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), mainWindow.windowHandle());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("设置"));
    localization.setLanguage(AppLanguage::de);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Einstellungen"));
}

TEST(SettingsViewTest, TheOpenKeySwitchSetsTheReadingAndFollowsIt) {
    testing::TestViewModel vm;
    vm.model.modes().setOpenKey(true);
    SettingsView view(vm.localization, vm.model);
    QCheckBox& openKey = view.openKeySwitch();
    EXPECT_TRUE(openKey.isChecked()) << "what the model remembers";
    openKey.click();
    EXPECT_FALSE(vm.model.modes().openKey());
    openKey.click();
    EXPECT_TRUE(vm.model.modes().openKey());
    vm.model.modes().setOpenKey(false);
    EXPECT_FALSE(openKey.isChecked());
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral(
        "8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads "
        "the collection.")));
}

TEST(SettingsViewTest, TheSetsRowsSetWhatYourStyleLearnsFromAndFollowIt) {
    testing::TestViewModel vm;
    state::StyleSession& style = vm.model.style();
    SettingsView view(vm.localization, vm.model);
    EXPECT_FALSE(view.rememberSetsSwitch().isChecked()) << "off until the DJ asks";
    EXPECT_EQ(view.historyFolderLabel().text(), QStringLiteral("None"));
    EXPECT_FALSE(view.clearHistoryFolderButton().isEnabled());
    view.rememberSetsSwitch().click();
    EXPECT_TRUE(style.remembersSets());
    style.setHistoryFolder(std::filesystem::path("/Music/History"));
    EXPECT_EQ(view.historyFolderLabel().text(), QStringLiteral("/Music/History"));
    view.clearHistoryFolderButton().click();
    EXPECT_EQ(style.historyFolder(), std::nullopt);
    EXPECT_EQ(view.historyFolderLabel().text(), QStringLiteral("None"));
}

} // namespace
} // namespace cuevox::views
