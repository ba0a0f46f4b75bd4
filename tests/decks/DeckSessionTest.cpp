#include "decks/DeckSession.hpp"

#include "support/FakeDeckMonitor.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using tests::shownOnDeck;

using Shown = std::pair<std::string, std::string>;
const Shown kNight{"Night Song", "The Band"}, kNear{"Near", "Other"}, kFar{"Far", "Third"};
const Shown kUnknown{"Not Here", "Nobody"};

// The collection track of that id, as a deck would show it.
metadata::Track inCollection(const char* id, const Shown& shown) {
    metadata::Track track = *shownOnDeck(DeckIdentifier::deck1, shown, false).track;
    track.id = id;
    return track;
}
const std::vector<metadata::Track> kCollection{inCollection("1", kNight), inCollection("2", kNear),
                                               inCollection("3", kFar)};

DeckIdentifier deckNumbered(int number) {
    return static_cast<DeckIdentifier>(number - 1);
}
DeckState paused(int deck, const Shown& shown) {
    return shownOnDeck(deckNumbered(deck), shown, false);
}
DeckState playing(int deck, const Shown& shown, std::optional<double> bpm = std::nullopt) {
    return shownOnDeck(deckNumbered(deck), shown, true, bpm);
}
DeckState emptyDeck(int deck) {
    return shownOnDeck(deckNumbered(deck), std::nullopt, false);
}

// One poll: the states it brings, a restart where an element is absent; resolved at its end.
using Poll = std::vector<std::optional<DeckState>>;

int number(DeckIdentifier deck) {
    return static_cast<int>(deck) + 1;
}

// "states | rows | source | played | loaded", each row and mark as deck:track ("?" unresolved,
// "*" playing).
std::string describe(const DeckSession& session) {
    std::string text = std::to_string(session.deckStates().size()) + " |";
    for (const DeckDisplayInfo& row : session.activeDecks()) {
        text += " " + std::to_string(number(row.deck)) + (row.isPlaying ? "*:" : ":") +
                (row.track ? row.track->id : "?");
    }
    text += " | src";
    if (const std::optional<DeckState>& source = session.sourceDeckState()) {
        EXPECT_EQ(session.sourceDeck(), source->deck);
        text += " " + std::to_string(number(source->deck)) + ":" +
                (session.sourceTrack() ? session.sourceTrack()->id : "?");
        if (const auto& unresolved = session.unresolvedTrackInfo()) {
            text += " " + unresolved->title + "/" + unresolved->artist;
        }
        text += source->track->bpm ? " @" + std::to_string(*source->track->bpm).substr(0, 5) : "";
    } else {
        EXPECT_FALSE(session.sourceDeck() || session.sourceTrack() ||
                     session.unresolvedTrackInfo());
    }
    text += " | played";
    const std::vector<std::string>& order = session.playedOrder();
    EXPECT_EQ(session.playedTrackIDs(), std::set<std::string>(order.begin(), order.end()));
    for (const std::string& id : order) {
        text += " " + id;
    }
    text += " | loaded";
    for (const auto& [id, deck] : session.loadedTrackDecks()) {
        text += " " + id + ":" + std::to_string(number(deck));
    }
    return text;
}

TEST(DeckSession, ResolvesTheDecksAgainstTheCollection) {
    const std::optional<DeckState> restart;
    // clang-format off
    const struct { const char* name; std::vector<Poll> polls; std::string expected; } cases[] = {
        {"nothing yet", {}, "0 | | src | played | loaded"},
        {"rows in deck order", {{paused(3, kFar), paused(1, kNear)}}, "2 | 1:2 3:3 | src 1:2 | played | loaded 2:1 3:3"},
        {"the playing deck leads", {{paused(1, kNear), playing(2, {" night song", "THE BAND "})}}, "2 | 1:2 2*:1 | src 2:1 | played 1 | loaded 1:2 2:1"},
        {"unknown track", {{playing(1, kUnknown)}}, "1 | 1*:? | src 1:? Not Here/Nobody | played | loaded"},
        {"unknown source beside a known deck", {{paused(1, kNear), playing(2, kUnknown)}}, "2 | 1:2 2*:? | src 2:? Not Here/Nobody | played | loaded 2:1"},
        {"one track on two decks", {{paused(4, kFar), paused(2, kFar)}}, "2 | 2:3 4:3 | src 2:3 | played | loaded 3:2"},
        {"the source's own tempo", {{paused(1, kNight), playing(2, kNear, 128.5)}}, "2 | 1:1 2*:2 | src 2:2 @128.5 | played 2 | loaded 1:1 2:2"},
        {"pausing keeps the mark", {{playing(1, kNear)}, {paused(1, kNear)}}, "1 | 1:2 | src 1:2 | played 2 | loaded 2:1"},
        {"unloading keeps the mark", {{playing(1, kNear)}, {emptyDeck(1)}}, "1 | | src | played 2 | loaded"},
        {"the order first played", {{playing(2, kFar)}, {playing(1, kNear)}, {paused(2, kFar)}}, "2 | 1*:2 2:3 | src 1:2 | played 3 2 | loaded 2:1 3:2"},
        {"played and paused within one poll", {{playing(1, kNear), paused(1, kNear)}}, "1 | 1:2 | src 1:2 | played | loaded 2:1"},
        {"every deck empty", {{paused(1, kNear), playing(2, kFar)}, {emptyDeck(1), emptyDeck(2)}}, "2 | | src | played 3 | loaded"},
        {"a restart forgets everything", {{playing(1, kNear)}, {restart}}, "0 | | src | played | loaded"},
        {"states after a restart stay", {{playing(3, kFar), restart, paused(1, kNear)}}, "1 | 1:2 | src 1:2 | played | loaded 2:1"},
        // clang-format on
    };
    const LibraryTrackIndex index(kCollection);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeckSession session(index);
        for (const Poll& poll : c.polls) {
            for (const std::optional<DeckState>& state : poll) {
                state ? (void)session.update(*state) : session.restart();
            }
            session.resolve();
        }
        EXPECT_EQ(describe(session), c.expected);
    }
}

TEST(DeckSession, TellsWhetherAStateChangedTheDeck) {
    const LibraryTrackIndex index(kCollection);
    DeckSession session(index);
    DeckState later = paused(1, kNear);
    later.updatedAt += std::chrono::seconds(1);
    EXPECT_TRUE(session.update(paused(1, kNear)));
    EXPECT_FALSE(session.update(later)) << "the moment of observation does not count";
    EXPECT_TRUE(session.update(playing(1, kNear)));
    EXPECT_TRUE(session.update(playing(2, kNear)));
    EXPECT_TRUE(session.update(emptyDeck(1)));
    EXPECT_EQ(session.activeDecks().size(), 0U) << "nothing is resolved before resolve()";
}

TEST(DeckSession, AnotherCollectionMatchesTheDecksAgain) {
    const std::vector<metadata::Track> other{inCollection("9", {"Unknown Song", "Somebody"})};
    const LibraryTrackIndex first(kCollection);
    const LibraryTrackIndex second(other);
    DeckSession session(first);
    session.update(playing(1, {"Unknown Song", "Somebody"}));
    session.update(paused(2, kNear));
    session.resolve();
    EXPECT_EQ(describe(session),
              "2 | 1*:? 2:2 | src 1:? Unknown Song/Somebody | played | loaded 2:2");
    session.matchAgainst(second);
    EXPECT_EQ(describe(session), "2 | 1*:9 2:? | src 1:9 | played 9 | loaded 9:1");
    session.matchAgainst(first);
    EXPECT_EQ(describe(session),
              "2 | 1*:? 2:2 | src 1:? Unknown Song/Somebody | played 9 | loaded 2:2");
}

} // namespace
} // namespace cuevox::decks
