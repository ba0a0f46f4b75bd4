#include "deck-display/DeckDisplayCommand.hpp"
#include "deck-display/DeckDisplayController.hpp"
#include "deck-display/DeckDisplayLayout.hpp"

#include <gtest/gtest.h>

namespace cuevox::tools {
namespace {

using Verb = DeckDisplayCommand::Verb;
using Texts = std::vector<std::string>;

TEST(DeckDisplayCommand, ParsesEveryVerbAndSaysWhatIsWrongWithTheRest) {
    // clang-format off
    const struct { const char* line; DeckDisplayCommand command; } accepted[] = {
        {"load 1 194966882", {Verb::load, 1, "194966882"}},
        {"  load\t4   x-1 \r\n", {Verb::load, 4, "x-1"}},
        {"next 2", {Verb::loadNext, 2, ""}},
        {"play 3", {Verb::play, 3, ""}},
        {"pause 4", {Verb::pause, 4, ""}},
        {"toggle 1", {Verb::toggle, 1, ""}},
        {"eject 2", {Verb::eject, 2, ""}},
        {"quit", {Verb::quit, 0, ""}},
        {"flood 10000 10", {Verb::flood, 0, "", 10000, 10}},
        // clang-format on
    };
    for (const auto& row : accepted) {
        EXPECT_EQ(parseDeckDisplayCommand(row.line), row.command) << row.line;
    }
    // clang-format off
    const struct { const char* line; const char* error; } refused[] = {
        {"", "empty command"},
        {"PLAY 1", "unknown command \"PLAY\""},
        {"\x1B[2J 1", "unknown command \"\\u{1B}[2J\""},
        {"play", "play takes a deck (1 to 4)"},
        {"play 1 2", "play takes a deck (1 to 4)"},
        {"load 1", "load takes a deck (1 to 4) and a track ID"},
        {"quit now", "quit takes no arguments"},
        {"play 0", "no deck \"0\": decks are 1 to 4"},
        {"play 5", "no deck \"5\": decks are 1 to 4"},
        {"play 1x", "no deck \"1x\": decks are 1 to 4"},
        {"play 1\xFF", "no deck \"1\\xFF\": decks are 1 to 4"},
        {"play +1", "no deck \"+1\": decks are 1 to 4"},
        {"play 99999999999999999999", "no deck \"99999999999999999999\": decks are 1 to 4"},
        {"flood 10", "flood takes changes a second and seconds"},
        {"flood 0 10", "flood takes 1 to 100000 changes a second for 1 to 600 seconds"},
        {"flood 10 601", "flood takes 1 to 100000 changes a second for 1 to 600 seconds"},
        // clang-format on
    };
    for (const auto& row : refused) {
        EXPECT_EQ(parseDeckDisplayCommand(row.line), tl::unexpected(std::string(row.error)))
            << row.line;
    }
}

metadata::Track track(std::string id, std::string title, std::optional<double> bpm,
                      std::optional<std::string> key) {
    metadata::Track track;
    track.id = std::move(id);
    track.title = std::move(title);
    track.artist = "Artist";
    track.bpm = bpm;
    track.musicalKey = std::move(key);
    track.duration = 100;
    return track;
}

TEST(DeckDisplayController, LoadsPlaysAndCyclesThroughTheShowableTracksOrSaysThereAreNone) {
    double time = 0;
    DeckDisplayController controller(
        {track("1", "One", 120, "8A"), track("2", "No Tempo", std::nullopt, "1A"),
         track("3", "Three", 124.5, "Am"), track("4", "No Key", 128, std::nullopt)},
        [&] { return time; });
    EXPECT_EQ(controller.perform({Verb::load, 2, "3"}), std::nullopt);
    EXPECT_EQ(controller.deckTexts(2),
              (Texts{"Three", "Artist", "124.50", "Am", "0:00.0", "-1:40.0"}));
    EXPECT_EQ(controller.perform({Verb::load, 2, "9"}), "no track with ID 9 in the collection");
    EXPECT_EQ(controller.deckTexts(2)[0], "Three") << "a failed load keeps what was there";
    // "next" skips what a deck could not show (no tempo) and wraps around.
    for (const char* title : {"One", "Three", "No Key", "One"}) {
        SCOPED_TRACE(title);
        EXPECT_EQ(controller.perform({Verb::loadNext, 1, ""}), std::nullopt);
        EXPECT_EQ(controller.deckTexts(1)[0], title);
    }

    EXPECT_EQ(controller.perform({Verb::toggle, 1, ""}), std::nullopt);
    EXPECT_TRUE(controller.isPlaying(1));
    EXPECT_EQ(controller.perform({Verb::toggle, 1, ""}), std::nullopt);
    EXPECT_FALSE(controller.isPlaying(1)) << "the time that passes is the simulation's to show";
    EXPECT_FALSE(controller.isPlaying(2)) << "decks play only when told";
    EXPECT_EQ(controller.perform({Verb::eject, 1, ""}), std::nullopt);
    EXPECT_EQ(controller.deckTexts(1), Texts{"Not Loaded."});
    EXPECT_EQ(controller.perform({Verb::quit, 0, ""}), std::nullopt);
    EXPECT_EQ(controller.deckTexts(2)[0], "Three") << "quit is the window's, not the decks'";
    for (std::vector<metadata::Track> tracks :
         {std::vector<metadata::Track>{}, {track("2", "No Tempo", std::nullopt, "1A")}}) {
        SCOPED_TRACE(tracks.size());
        DeckDisplayController empty(std::move(tracks), [&] { return time; });
        EXPECT_EQ(empty.perform({Verb::loadNext, 1, ""}),
                  "no track in the collection has a title and a tempo to show");
        EXPECT_EQ(empty.deckTexts(1), Texts{"Not Loaded."});
    }
}

TEST(DeckDisplayLayout, ReadsTheBrowsersColumnsAndShowsARowInThem) {
    using Column = DeckDisplayLayout::Column;
    // clang-format off
    const struct { const char* text; std::vector<Column> columns; } accepted[] = {
        {"key,title", {Column::key, Column::title}},
        {"title,artist,tempo,time,key",
         {Column::title, Column::artist, Column::tempo, Column::time, Column::key}},
        // clang-format on
    };
    for (const auto& row : accepted) {
        EXPECT_EQ(parseBrowserColumns(row.text), row.columns) << row.text;
    }
    // clang-format off
    const struct { const char* text; const char* error; } refused[] = {
        {"", "no column \"\": columns are title, artist, tempo, key and time"},
        {"title,", "no column \"\": columns are title, artist, tempo, key and time"},
        {"title,Key", "no column \"Key\": columns are title, artist, tempo, key and time"},
        {"key,tempo,key", "column key twice"},
        // clang-format on
    };
    for (const auto& row : refused) {
        EXPECT_EQ(parseBrowserColumns(row.text), tl::unexpected(std::string(row.error)))
            << row.text;
    }
    metadata::Track hour = track("1", "One", 128, "8A");
    hour.duration = 3599.6;
    EXPECT_EQ(browserRowTexts(hour, DeckDisplayLayout{}.columns),
              (Texts{"One", "Artist", "128.00", "8A", "60:00"}));
    EXPECT_EQ(browserRowTexts(track("2", "Two", std::nullopt, std::nullopt),
                              {Column::time, Column::tempo, Column::key}),
              (Texts{"1:40", "--.--", ""}));
}

TEST(DeckDisplayController, TwoDecksTakeNoCommandForDecksThreeAndFour) {
    DeckDisplayController controller(
        {track("1", "One", 120, "8A")}, [] { return 0.0; }, 2);
    EXPECT_EQ(controller.perform({Verb::load, 2, "1"}), std::nullopt);
    EXPECT_EQ(controller.perform({Verb::load, 3, "1"}), "no deck 3: the display shows 2 decks");
    EXPECT_EQ(controller.deckTexts(3), Texts{"Not Loaded."});
}

} // namespace
} // namespace cuevox::tools
