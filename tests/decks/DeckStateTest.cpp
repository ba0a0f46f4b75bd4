#include "decks/DeckState.hpp"

#include "decks/DeckIdentifier.hpp"
#include "decks/SourceDeckResolver.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace cuevox::decks {
namespace {

using D = DeckIdentifier;
using namespace std::chrono_literals;

TEST(DeckIdentifier, RawValuesRoundTripAndNothingElseIsADeck) {
    const struct {
        DeckIdentifier deck;
        std::string raw;
        std::string display;
    } decks[] = {{D::deck1, "deck1", "DECK 1"},
                 {D::deck2, "deck2", "DECK 2"},
                 {D::deck3, "deck3", "DECK 3"},
                 {D::deck4, "deck4", "DECK 4"}};
    for (std::size_t i = 0; i < std::size(decks); ++i) {
        SCOPED_TRACE(decks[i].raw);
        EXPECT_EQ(kAllDeckIdentifiers[i], decks[i].deck);
        EXPECT_EQ(rawValue(decks[i].deck), decks[i].raw);
        EXPECT_EQ(displayName(decks[i].deck), decks[i].display);
        EXPECT_EQ(deckIdentifierFromRawValue(decks[i].raw), decks[i].deck);
    }
    const std::string rejected[] = {"deck5",  "Deck1",  "DECK1", "deck0",  "", "deck 1",
                                    " deck1", "deck1 ", "deck",  "deck01", "1"};
    for (const std::string& raw : rejected) {
        SCOPED_TRACE(raw);
        EXPECT_EQ(deckIdentifierFromRawValue(raw), std::nullopt);
    }
    std::unordered_map<DeckIdentifier, int> byDeck{{D::deck1, 1}, {D::deck4, 4}};
    EXPECT_EQ(byDeck.at(D::deck4), 4);
}

metadata::Track track(const std::string& title) {
    metadata::Track result;
    result.id = "A::" + title;
    result.title = title;
    result.artist = "A";
    return result;
}

DeckState state(DeckIdentifier deck, std::optional<std::string> title, bool playing,
                bool master = false, std::optional<bool> onAir = std::nullopt) {
    return DeckState{deck,    title ? std::optional(track(*title)) : std::nullopt,
                     playing, master,
                     onAir,   std::chrono::system_clock::time_point{}};
}

TEST(DeckState, EqualityIgnoresOnlyTheTimeOfObservation) {
    const DeckState base = state(D::deck1, "T", true);
    DeckState later = base;
    later.updatedAt += 5s;
    EXPECT_EQ(base, later);

    const struct {
        const char* change;
        DeckState other;
    } different[] = {
        {"deck", state(D::deck2, "T", true)},
        {"isPlaying", state(D::deck1, "T", false)},
        {"isMaster", state(D::deck1, "T", true, true)},
        {"isOnAir false vs absent", state(D::deck1, "T", true, false, false)},
        {"isOnAir true vs absent", state(D::deck1, "T", true, false, true)},
        {"track absent", state(D::deck1, std::nullopt, true)},
        {"other title", state(D::deck1, "U", true)},
    };
    for (const auto& c : different) {
        SCOPED_TRACE(c.change);
        EXPECT_NE(base, c.other);
    }
    DeckState otherBpm = base;
    otherBpm.track->bpm = 128.0;
    EXPECT_NE(base, otherBpm) << "every field of the track takes part";
    EXPECT_EQ(state(D::deck3, std::nullopt, false), state(D::deck3, std::nullopt, false));
    EXPECT_NE(state(D::deck1, "T", true, false, false), state(D::deck1, "T", true, false, true));
}

TEST(SourceDeckResolver, PrefersPlayingThenMasterThenOnAirThenInputOrder) {
    const struct {
        const char* name;
        std::vector<DeckState> states;
        std::optional<DeckIdentifier> expected;
    } cases[] = {
        {"no states", {}, std::nullopt},
        {"only empty decks",
         {state(D::deck1, std::nullopt, false), state(D::deck2, std::nullopt, true)},
         std::nullopt},
        {"playing deck beats a paused earlier one",
         {state(D::deck1, "a", false), state(D::deck3, "c", true)},
         D::deck3},
        {"nothing playing: first loaded",
         {state(D::deck1, std::nullopt, false), state(D::deck2, "b", false),
          state(D::deck4, "d", false)},
         D::deck2},
        {"two playing, second master",
         {state(D::deck1, "a", true), state(D::deck2, "b", true, true)},
         D::deck2},
        {"two playing, second on air, first unknown",
         {state(D::deck1, "a", true), state(D::deck2, "b", true, false, true)},
         D::deck2},
        {"two playing, first off air, second on air",
         {state(D::deck1, "a", true, false, false), state(D::deck2, "b", true, false, true)},
         D::deck2},
        {"master beats on air",
         {state(D::deck1, "a", true, false, true), state(D::deck2, "b", true, true)},
         D::deck2},
        {"two playing, no master, no on air",
         {state(D::deck1, "a", true), state(D::deck2, "b", true)},
         D::deck1},
        {"single playing non-master beats paused master",
         {state(D::deck1, "a", false, true, true), state(D::deck2, "b", true)},
         D::deck2},
        {"paused master with nothing playing is just the first loaded",
         {state(D::deck1, "a", false), state(D::deck2, "b", false, true)},
         D::deck1},
        {"an empty deck flagged playing and master is never chosen",
         {state(D::deck1, std::nullopt, true, true), state(D::deck2, "b", false)},
         D::deck2},
        {"ties follow the input order, not the deck number",
         {state(D::deck4, "d", true), state(D::deck2, "b", true)},
         D::deck4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DeckState> source = SourceDeckResolver::resolveSource(c.states);
        ASSERT_EQ(source.has_value(), c.expected.has_value());
        if (source) {
            EXPECT_EQ(source->deck, *c.expected);
        }
    }
}

TEST(SourceDeckResolver, IgnoresWhenDecksChanged) {
    DeckState older = state(D::deck1, "a", true);
    DeckState newer = state(D::deck2, "b", true);
    newer.updatedAt = older.updatedAt + 1h;
    const std::vector<DeckState> states{older, newer};
    const std::optional<DeckState> source = SourceDeckResolver::resolveSource(states);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->deck, D::deck1);
    EXPECT_EQ(source->updatedAt, older.updatedAt);
}

} // namespace
} // namespace cuevox::decks
