#include "views/SettingsView.hpp"

#include "i18n/LocalizationManager.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

namespace cuevox::views {
namespace {

using i18n::AppLanguage;

// With CUEVOX_SCREENSHOTS set to a directory, the views leave pictures of themselves there.
void saveScreenshot(QWidget& view, const QString& name) {
    const QString directory = qEnvironmentVariable("CUEVOX_SCREENSHOTS");
    if (!directory.isEmpty()) {
        view.adjustSize();
        view.grab().save(QDir(directory).filePath(name + QStringLiteral(".png")));
    }
}

QStringList labelTexts(const QWidget& view) {
    QStringList texts;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

TEST(SettingsViewTest, ChoosingALanguageRetranslatesAtOnce) {
    QTemporaryDir directory;
    QSettings settings(directory.filePath("settings.ini"), QSettings::IniFormat);
    i18n::LocalizationManager localization(settings, std::nullopt);
    SettingsView view(localization);

    auto* menu = view.findChild<QComboBox*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->count(), 10);
    EXPECT_EQ(menu->itemText(1), QStringLiteral("Türkçe"));
    EXPECT_EQ(menu->itemText(9), QStringLiteral("中文"));
    EXPECT_EQ(menu->currentText(), QStringLiteral("English"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("Language")));
    EXPECT_GE(view.minimumWidth(), 360);
    saveScreenshot(view, QStringLiteral("settings-en"));

    // What a click on the menu does: an activation of the chosen row.
    emit menu->activated(2);
    EXPECT_EQ(localization.language(), AppLanguage::de);
    EXPECT_EQ(settings.value("appLanguage").toString(), QStringLiteral("de"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("Sprache")));
    EXPECT_TRUE(labelTexts(view).contains(
        QStringLiteral("Änderungen gelten sofort in der gesamten App.")));
    EXPECT_EQ(menu->itemText(2), QStringLiteral("Deutsch")) << "native names never change";
    saveScreenshot(view, QStringLiteral("settings-de"));

    // A change made elsewhere shows in the menu too.
    localization.setLanguage(AppLanguage::zh);
    EXPECT_EQ(menu->currentText(), QStringLiteral("中文"));
    EXPECT_TRUE(labelTexts(view).contains(QStringLiteral("语言")));
    saveScreenshot(view, QStringLiteral("settings-zh"));
}

// The window system keeps a window above its transient parent (Qt's macOS backend gives it the
// parent's level), so settings open above the stay-on-top main window instead of beneath it.
TEST(SettingsViewTest, WindowOpensAboveTheStayOnTopMainWindow) {
    QTemporaryDir directory;
    QSettings settings(directory.filePath("settings.ini"), QSettings::IniFormat);
    i18n::LocalizationManager localization(settings, std::nullopt);
    QMainWindow mainWindow;
    mainWindow.setWindowFlag(Qt::WindowStaysOnTopHint);
    mainWindow.show();

    QWidget* window = makeSettingsWindow(localization, mainWindow);
    window->show();
    EXPECT_TRUE(window->isWindow());
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), mainWindow.windowHandle());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Settings"));
    localization.setLanguage(AppLanguage::de);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Einstellungen"));
}

} // namespace
} // namespace cuevox::views
