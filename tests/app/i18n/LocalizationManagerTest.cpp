#include "i18n/LocalizationManager.hpp"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <optional>
#include <string>

namespace cuevox::i18n {
namespace {

// Every text the interface asks for.
// clang-format off
constexpr const char* kKeys[] = {
    "app.header_title", "app.tracks_count", "app.loading_progress", "app.load_library",
    "app.no_track_playing", "app.not_found_in_library", "app.playing", "app.paused",
    "app.no_tracks_match", "library.error_title", "library.try_again", "library.dismiss",
    "accessibility.title", "accessibility.body", "accessibility.request",
    "accessibility.open_settings", "accessibility.stale_grant", "filter.all_tracks",
    "filter.search_placeholder", "filter.key", "filter.tempo", "filter.energy", "filter.genres",
    "filter.reset", "filter.select_keys", "filter.energy_option", "settings.title",
    "settings.language", "settings.language_hint", "filter.pitch_range", "filter.pitch_off",
    "filter.half_double", "filter.energy_direction", "filter.energy_hold", "filter.energy_up",
    "filter.energy_down", "filter.search_crates", "filter.whole_collection", "filter.pick_crate",
    "filter.hide_played", "filter.vary_artists", "settings.keys", "settings.open_key",
    "settings.open_key_hint", "library.error_not_found", "library.error_malformed",
    "library.error_malformed_unplaced", "library.error_not_a_file", "library.error_no_access",
    "library.error_no_memory", "library.error_unreadable", "library.loading_file",
    "library.none_loaded", "library.no_tracks"};
// clang-format on

struct Settings {
    QTemporaryDir directory;
    QSettings settings{directory.filePath("settings.ini"), QSettings::IniFormat};
};

TEST(AppLanguageTest, CodesAndNativeNamesInMenuOrder) {
    const std::pair<const char*, const char*> expected[] = {// clang-format off
        {"en", "English"}, {"tr", "Türkçe"},    {"de", "Deutsch"}, {"es", "Español"},
        {"fr", "Français"}, {"it", "Italiano"}, {"pt", "Português"}, {"ru", "Русский"},
                                                            // clang-format on
                                                            {"ja", "日本語"},
                                                            {"zh", "中文"}};
    ASSERT_EQ(kAllLanguages.size(), std::size(expected));
    for (std::size_t index = 0; index < std::size(expected); ++index) {
        SCOPED_TRACE(expected[index].first);
        EXPECT_EQ(id(kAllLanguages[index]), expected[index].first);
        EXPECT_EQ(nativeName(kAllLanguages[index]), expected[index].second);
        EXPECT_EQ(languageFromCode(expected[index].first), kAllLanguages[index]);
    }
    EXPECT_EQ(languageFromCode("EN"), std::nullopt) << "codes are case-sensitive";
}

// Read from the compiled tables themselves: a missing text would otherwise fall back to English.
TEST(LocalizationManagerTest, EveryLanguageHasEveryTextWithEnglishPlaceholders) {
    for (const AppLanguage language : kAllLanguages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(
            QStringLiteral(":/i18n/cuevox_%1.qm").arg(QString::fromUtf8(id(language).data()))));
        for (const char* key : kKeys) {
            SCOPED_TRACE(std::string(id(language)) + " " + key);
            const QString text = translator.translate(nullptr, key);
            EXPECT_FALSE(text.isEmpty());
            EXPECT_NE(text, QString::fromUtf8(key));
            const QString english = LocalizationManager::text(AppLanguage::en, key);
            for (const char* placeholder : {"%d", "%1", "%2", "%3", "%4"}) {
                EXPECT_EQ(text.count(placeholder), english.count(placeholder));
            }
        }
    }
}

// Numbers are plain digits whatever the locale, and beyond what an int holds.
TEST(LocalizationManagerTest, OneTextPerLanguageThroughTheManager) {
    // clang-format off
    const struct { AppLanguage language; const char* key; const char* text; } cases[] = {
        {AppLanguage::en, "app.loading_progress", "Loading… 2147483648%"},
        {AppLanguage::tr, "app.loading_progress", "Yükleniyor… %2147483648"},
        {AppLanguage::de, "filter.all_tracks", "Alle Titel (2147483648)"},
        {AppLanguage::es, "app.tracks_count", "2147483648 pistas"},
        {AppLanguage::fr, "filter.energy_option", "Énergie 2147483648"},
        {AppLanguage::it, "app.paused", " IN PAUSA"},
        {AppLanguage::pt, "library.try_again", "Tentar novamente…"},
        {AppLanguage::ru, "app.tracks_count", "Треков: 2147483648"},
        {AppLanguage::ja, "filter.key", "キー"},
        {AppLanguage::zh, "settings.language", "语言"},
        // clang-format on
    };
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Settings settings;
    LocalizationManager manager(settings.settings, std::nullopt);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        manager.setLanguage(c.language);
        EXPECT_EQ(manager.t(c.key, 2147483648LL).toStdString(), c.text);
    }
    QLocale::setDefault(previous);
    EXPECT_EQ(manager.t("größe.äöü").toStdString(), "größe.äöü") << "an unknown key comes back";
}

TEST(LocalizationManagerTest, StartLanguageAndAChoiceRememberedOnlyWhenItChanges) {
    const struct {
        const char* name;
        std::optional<QVariant> stored;
        std::optional<QString> system;
        AppLanguage expected;
    } cases[] = {
        // clang-format off
        {"nothing stored, German system", std::nullopt, QStringLiteral("de"), AppLanguage::de},
        {"nothing stored, Korean system", std::nullopt, QStringLiteral("ko"), AppLanguage::en},
        {"nothing stored, no system language", std::nullopt, std::nullopt, AppLanguage::en},
        {"stored beats the system", QVariant(QStringLiteral("ja")), QStringLiteral("fr"), AppLanguage::ja},
        {"stored unknown code", QVariant(QStringLiteral("xx")), QStringLiteral("tr"), AppLanguage::tr},
        {"stored with region", QVariant(QStringLiteral("pt-BR")), std::nullopt, AppLanguage::en},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        if (c.stored) {
            settings.settings.setValue("appLanguage", *c.stored);
        }
        LocalizationManager manager(settings.settings, c.system);
        EXPECT_EQ(manager.language(), c.expected);
        EXPECT_EQ(settings.settings.allKeys().size(), c.stored ? 1 : 0) << "the start writes";
        EXPECT_EQ(settings.settings.value("appLanguage"), c.stored.value_or(QVariant()));
    }
    Settings settings;
    {
        LocalizationManager manager(settings.settings, QStringLiteral("fr"));
        QSignalSpy changes(&manager, &LocalizationManager::languageChanged);
        manager.setLanguage(AppLanguage::fr);
        EXPECT_EQ(changes.count(), 0);
        EXPECT_FALSE(settings.settings.contains("appLanguage"));
        manager.setLanguage(AppLanguage::ja);
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.at(0).at(0).value<AppLanguage>(), AppLanguage::ja);
        EXPECT_EQ(settings.settings.value("appLanguage"), QVariant(QStringLiteral("ja")));
        manager.setLanguage(AppLanguage::ja);
        EXPECT_EQ(changes.count(), 1);
    }
    settings.settings.sync();
    LocalizationManager restarted(settings.settings, QStringLiteral("fr"));
    EXPECT_EQ(restarted.language(), AppLanguage::ja);
}

} // namespace
} // namespace cuevox::i18n
