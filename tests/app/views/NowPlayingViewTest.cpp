#include "views/NowPlayingView.hpp"

#include "TableScreenshots.hpp"
#include "artwork/ArtworkLoader.hpp"
#include "i18n/LocalizationManager.hpp"
#include "views/ArtworkView.hpp"
#include "views/Theme.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;
using i18n::AppLanguage;

metadata::Track fullTrack() {
    metadata::Track track{};
    track.id = "1";
    track.title = "Night Song";
    track.artist = "The Band";
    track.genre = "Deep House";
    track.bpm = 127.999;
    track.camelotKey = metadata::CamelotKey::fromString("8A");
    track.energy = 6;
    track.year = 2019;
    track.label = "Night Records";
    track.filepath = "/music/night.mp3";
    return track;
}

class NowPlayingViewTest : public ::testing::Test {
protected:
    NowPlayingViewTest() : settings(directory.filePath("s.ini"), QSettings::IniFormat) {}

    // Every line and item the panel can show, with its text when shown, else absent.
    std::map<std::string, std::optional<QString>> shown() const {
        std::map<std::string, std::optional<QString>> lines;
        for (const char* name : {"deck", "status", "title", "artist", "noTrack", "tempo", "key",
                                 "genre", "energy", "year", "warning"}) {
            auto* label = view.findChild<QLabel*>(name);
            lines[name] = label->isVisibleTo(&view) ? std::optional(label->text()) : std::nullopt;
        }
        lines["artwork"] = view.findChild<ArtworkView*>()->isVisibleTo(&view)
                               ? std::optional(view.findChild<ArtworkView*>()->filepath())
                               : std::nullopt;
        return lines;
    }

    QColor statusColor() const {
        return view.findChild<QLabel*>("status")->palette().color(QPalette::WindowText);
    }

    QTemporaryDir directory;
    QSettings settings;
    i18n::LocalizationManager localization{settings, std::nullopt};
    artwork::ArtworkLoader loader{[](const QString&) {
        return QByteArray();
    }};
    NowPlayingView view{localization, loader, 64};
};

using Lines = std::map<std::string, std::optional<QString>>;

Lines nothingBut(Lines lines) {
    Lines all;
    for (const char* name : {"deck", "status", "title", "artist", "noTrack", "tempo", "key",
                             "genre", "energy", "year", "warning", "artwork"}) {
        all[name] = std::nullopt;
    }
    for (auto& [name, text] : lines) {
        all[name] = text;
    }
    return all;
}

TEST_F(NowPlayingViewTest, ShowsTheDeckTrackUnresolvedInfoOrTheNoTrackText) {
    metadata::Track bare{};
    bare.id = "2";
    bare.title = "Bare";
    bare.artist = "";

    struct Case {
        const char* name;
        NowPlayingView::Inputs inputs;
        Lines expected;
    };
    const Case cases[] = {
        {"nothing", {}, nothingBut({{"noTrack", "No track playing"}})},
        {"deck without track",
         {DeckIdentifier::deck2, std::nullopt, std::nullopt, true},
         nothingBut({{"deck", "DECK 2"}, {"noTrack", "No track playing"}})},
        {"playing track",
         {DeckIdentifier::deck1, fullTrack(), std::nullopt, true},
         nothingBut({{"deck", "DECK 1"},
                     {"status", " PLAYING"},
                     {"title", "Night Song"},
                     {"artist", "The Band"},
                     {"tempo", "128.00"},
                     {"key", "8A"},
                     {"genre", "Deep House"},
                     {"energy", "6"},
                     {"year", "2019"},
                     {"artwork", "/music/night.mp3"}})},
        {"track without deck or metadata",
         {std::nullopt, bare, std::nullopt, false},
         nothingBut({{"title", "Bare"}, {"artist", ""}, {"artwork", ""}})},
        {"unresolved paused",
         {DeckIdentifier::deck4, std::nullopt, decks::UnresolvedTrackInfo{"Unknown", "Somebody"},
          false},
         nothingBut({{"deck", "DECK 4"},
                     {"status", " PAUSED"},
                     {"title", "Unknown"},
                     {"artist", "Somebody"},
                     {"warning", "Not found in loaded library"},
                     {"artwork", ""}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.setInputs(c.inputs);
        EXPECT_EQ(shown(), c.expected);
        testing::saveTableScreenshot(
            view, QStringLiteral("nowplaying-en-") + QString::fromLatin1(c.name).replace(' ', '-'),
            320);
    }
}

TEST_F(NowPlayingViewTest, StatusColourFollowsPlayingAndTextsFollowTheLanguage) {
    const decks::UnresolvedTrackInfo unresolved{"Unknown", "Somebody"};
    view.setInputs({DeckIdentifier::deck1, fullTrack(), std::nullopt, true});
    EXPECT_EQ(statusColor(), theme::kGreen);
    view.setInputs({DeckIdentifier::deck1, fullTrack(), std::nullopt, false});
    EXPECT_EQ(statusColor(), theme::kOrange);

    struct Case {
        AppLanguage language;
        const char* status;
        const char* warning;
        const char* noTrack;
    };
    const Case cases[] = {
        {AppLanguage::ru, " НА ПАУЗЕ", "Не найдено в загруженной библиотеке",
         "Нет воспроизводимого трека"},
        {AppLanguage::ja, " 一時停止中", "読み込んだライブラリに見つかりません",
         "再生中のトラックはありません"},
        {AppLanguage::en, " PAUSED", "Not found in loaded library", "No track playing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        localization.setLanguage(c.language);
        const QString code = c.language == AppLanguage::ru   ? "ru"
                             : c.language == AppLanguage::ja ? "ja"
                                                             : "en";
        view.setInputs({DeckIdentifier::deck3, std::nullopt, unresolved, false});
        EXPECT_EQ(shown()["status"], QString::fromUtf8(c.status));
        EXPECT_EQ(shown()["warning"], QString::fromUtf8(c.warning));
        testing::saveTableScreenshot(view, "nowplaying-" + code + "-unresolved", 320);
        view.setInputs({DeckIdentifier::deck1, fullTrack(), std::nullopt, true});
        testing::saveTableScreenshot(view, "nowplaying-" + code + "-playing", 320);
        testing::saveTableScreenshot(view, "nowplaying-" + code + "-playing-narrow", 200);
        view.setInputs({});
        EXPECT_EQ(shown()["noTrack"], QString::fromUtf8(c.noTrack));
    }
}

TEST_F(NowPlayingViewTest, LongGenresAreCutToEighteenCharactersAsTheUserCountsThem) {
    struct Case {
        const char* genre;
        const char* shown;
    };
    const Case cases[] = {
        {"Progressive House!", "Progressive House!"},                         // 18
        {"Progressive Houses!", "Progressive Houses…"},                       // 19
        {"Progressive Deep Tech House!", "Progressive Deep T…"},              // 28
        {"\u00C9lectronique Dans\u00E9", "\u00C9lectronique Dans\u00E9"},     // 18, 20 bytes
        {"E\u0301lectronique Danse\u0301", "E\u0301lectronique Danse\u0301"}, // 18, 20 code points
        {"E\u0301lectronique Danse\u0301s", "E\u0301lectronique Danse\u0301\u2026"}, // 19
        {"\u30D7\u30ED\u30B0\u30EC\u30C3\u30B7\u30D6\u30FB\u30C7\u30A3\u30FC\u30D7\u30FB\u30CF"
         "\u30A6"
         "\u30B9\u30FB\u30C6\u30C3\u30AF",
         "\u30D7\u30ED\u30B0\u30EC\u30C3\u30B7\u30D6\u30FB\u30C7\u30A3\u30FC\u30D7\u30FB\u30CF"
         "\u30A6"
         "\u30B9\u30FB\u30C6\u2026"}, // 20 kana
        {"Disco \U0001F1EF\U0001F1F5\U0001F1EF\U0001F1F5\U0001F1EF\U0001F1F5 Edits!!!",
         "Disco \U0001F1EF\U0001F1F5\U0001F1EF\U0001F1F5\U0001F1EF\U0001F1F5 Edits!!!"}, // 18: a
                                                                                         // flag is
                                                                                         // one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.genre);
        metadata::Track track = fullTrack();
        track.genre = c.genre;
        view.setInputs({DeckIdentifier::deck1, track, std::nullopt, true});
        EXPECT_EQ(shown()["genre"], QString::fromUtf8(c.shown));
    }
}

TEST_F(NowPlayingViewTest, MissingMetadataHidesOnlyItsOwnItem) {
    struct Case {
        const char* missing;
        void (*clear)(metadata::Track&);
    };
    const Case cases[] = {
        {"tempo",
         [](metadata::Track& t) {
             t.bpm.reset();
         }},
        {"key",
         [](metadata::Track& t) {
             t.camelotKey.reset();
         }},
        {"genre",
         [](metadata::Track& t) {
             t.genre.reset();
         }},
        {"energy",
         [](metadata::Track& t) {
             t.energy.reset();
         }},
        {"year",
         [](metadata::Track& t) {
             t.year.reset();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        metadata::Track track = fullTrack();
        c.clear(track);
        view.setInputs({DeckIdentifier::deck1, track, std::nullopt, true});
        const Lines lines = shown();
        for (const char* item : {"tempo", "key", "genre", "energy", "year"}) {
            EXPECT_EQ(lines.at(item).has_value(), std::string(item) != c.missing) << item;
        }
    }
}

} // namespace
} // namespace cuevox::views
