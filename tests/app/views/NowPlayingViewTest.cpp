#include "views/NowPlayingView.hpp"

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
using Lines = std::map<std::string, QString>;

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

constexpr const char* kLabels[] = {"deck", "status", "title",  "artist", "noTrack", "tempo",
                                   "key",  "genre",  "energy", "year",   "warning"};

class NowPlayingViewTest : public ::testing::Test {
protected:
    // The lines and items the panel shows, with their texts; the artwork square by its file.
    Lines shown() const {
        Lines lines;
        for (const char* name : kLabels) {
            if (const auto* label = view.findChild<QLabel*>(name); label->isVisibleTo(&view)) {
                lines[name] = label->text();
            }
        }
        if (const auto* artwork = view.findChild<ArtworkView*>(); artwork->isVisibleTo(&view)) {
            lines["artwork"] = artwork->filepath();
        }
        return lines;
    }
    QColor statusColor() const {
        return view.findChild<QLabel*>("status")->palette().color(QPalette::WindowText);
    }

    QTemporaryDir directory;
    QSettings settings{directory.filePath("s.ini"), QSettings::IniFormat};
    i18n::LocalizationManager localization{settings, std::nullopt};
    artwork::ArtworkLoader loader{[](const QString&) { return QByteArray(); }};
    NowPlayingView view{localization, loader, 64};
};

TEST_F(NowPlayingViewTest, ShowsTheDeckTrackUnresolvedInfoOrTheNoTrackText) {
    metadata::Track bare{};
    bare.title = "Bare";
    const Lines playing{{"deck", "DECK 1"},
                        {"status", " PLAYING"},
                        {"title", "Night Song"},
                        // clang-format off
                        {"artist", "The Band"}, {"tempo", "128.00"}, {"key", "8A"},
                        {"genre", "Deep House"}, {"energy", "6"}, {"year", "2019"},
                        // clang-format on
                        {"artwork", "/music/night.mp3"}};
    // clang-format off
    const struct { const char* name; NowPlayingView::Inputs inputs; Lines expected; } cases[] = {
        {"nothing", {}, {{"noTrack", "No track playing"}}},
        {"deck without track", {DeckIdentifier::deck2, std::nullopt, std::nullopt, true}, {{"deck", "DECK 2"}, {"noTrack", "No track playing"}}},
        {"playing track", {DeckIdentifier::deck1, fullTrack(), std::nullopt, true}, playing},
        {"track without deck or metadata", {std::nullopt, bare, std::nullopt, false}, {{"title", "Bare"}, {"artist", ""}, {"artwork", ""}}},
        {"unresolved paused", {DeckIdentifier::deck4, std::nullopt, decks::UnresolvedTrackInfo{"Unknown", "Somebody"}, false},
         {{"deck", "DECK 4"}, {"status", " PAUSED"}, {"title", "Unknown"}, {"artist", "Somebody"}, {"warning", "Not found in loaded library"}, {"artwork", ""}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view.setInputs(c.inputs);
        EXPECT_EQ(shown(), c.expected);
    }
}

TEST_F(NowPlayingViewTest, MissingMetadataHidesOnlyItsOwnItemAndLongGenresAreCut) {
    const std::pair<const char*, void (*)(metadata::Track&)> cases[] = {
        {"tempo", [](metadata::Track& t) { t.bpm.reset(); }},
        {"key", [](metadata::Track& t) { t.camelotKey.reset(); }},
        {"genre", [](metadata::Track& t) { t.genre.reset(); }},
        {"energy", [](metadata::Track& t) { t.energy.reset(); }},
        {"year", [](metadata::Track& t) { t.year.reset(); }},
    };
    for (const auto& [missing, clear] : cases) {
        SCOPED_TRACE(missing);
        metadata::Track track = fullTrack();
        clear(track);
        view.setInputs({DeckIdentifier::deck1, track, std::nullopt, true});
        const Lines lines = shown();
        for (const char* item : {"tempo", "key", "genre", "energy", "year"}) {
            EXPECT_EQ(lines.contains(item), std::string(item) != missing) << item;
        }
    }
    // Long genres are cut to 18 characters as the user counts them; the counting is the core's.
    const std::pair<const char*, const char*> genres[] = {
        {"Progressive House!", "Progressive House!"},
        {"Progressive Houses!", "Progressive Houses…"},
        {"\u00C9lectronique Dans\u00E9", "\u00C9lectronique Dans\u00E9"}, // 18, 20 bytes
    };
    for (const auto& [genre, expected] : genres) {
        SCOPED_TRACE(genre);
        metadata::Track track = fullTrack();
        track.genre = genre;
        view.setInputs({DeckIdentifier::deck1, track, std::nullopt, true});
        EXPECT_EQ(shown()["genre"], QString::fromUtf8(expected));
    }
}

TEST_F(NowPlayingViewTest, StatusColourFollowsPlayingAndTextsFollowTheLanguage) {
    view.setInputs({DeckIdentifier::deck1, fullTrack(), std::nullopt, true});
    EXPECT_EQ(statusColor(), theme::kGreen);
    view.setInputs({DeckIdentifier::deck1, fullTrack(), std::nullopt, false});
    EXPECT_EQ(statusColor(), theme::kOrange);
    const decks::UnresolvedTrackInfo unknown{"Unknown", "Somebody"};
    view.setInputs({DeckIdentifier::deck3, std::nullopt, unknown, false});
    localization.setLanguage(i18n::AppLanguage::ru);
    EXPECT_EQ(shown()["status"], QStringLiteral(" НА ПАУЗЕ"));
    EXPECT_EQ(shown()["warning"], QStringLiteral("Не найдено в загруженной библиотеке"));
    view.setInputs({});
    EXPECT_EQ(shown()["noTrack"], QStringLiteral("Нет воспроизводимого трека"));
}

} // namespace
} // namespace cuevox::views
