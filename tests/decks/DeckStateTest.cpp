#include "decks/DeckState.hpp"

#include "decks/SourceDeckResolver.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using D = DeckIdentifier;
using namespace std::chrono_literals;

DeckState state(DeckIdentifier deck, std::optional<std::string> title, bool playing,
                bool master = false, std::optional<bool> onAir = std::nullopt) {
    std::optional<metadata::Track> track;
    if (title) {
        track.emplace();
        track->id = "A::" + *title;
        track->title = *title;
    }
    return {deck, track, playing, master, onAir, std::chrono::system_clock::time_point{}};
}

TEST(DeckState, EqualityIgnoresOnlyTheTimeOfObservation) {
    const DeckState base = state(D::deck1, "T", true);
    DeckState later = base;
    later.updatedAt += 5s;
    EXPECT_EQ(base, later);
    const DeckState different[] = {
        // clang-format off
        state(D::deck2, "T", true),
        state(D::deck1, "T", false),
        state(D::deck1, "T", true, true),
        state(D::deck1, "T", true, false, false),
        state(D::deck1, std::nullopt, true),
        state(D::deck1, "U", true),
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(different); ++i) {
        EXPECT_NE(base, different[i]) << i;
    }
}

TEST(SourceDeckResolver, PrefersPlayingThenMasterThenOnAirThenInputOrder) {
    // clang-format off
    const struct { std::vector<DeckState> states; std::optional<D> expected; } cases[] = {
        {{}, std::nullopt},
        {{state(D::deck1, std::nullopt, true, true)}, std::nullopt},
        {{state(D::deck1, "a", false), state(D::deck3, "c", true)}, D::deck3},
        {{state(D::deck1, std::nullopt, false), state(D::deck2, "b", false),
          state(D::deck4, "d", false)}, D::deck2},
        {{state(D::deck1, "a", true), state(D::deck2, "b", true, true)}, D::deck2},
        {{state(D::deck1, "a", true), state(D::deck2, "b", true, false, true)}, D::deck2},
        {{state(D::deck1, "a", true, false, true), state(D::deck2, "b", true, true)}, D::deck2},
        {{state(D::deck1, "a", false, true, true), state(D::deck2, "b", true)}, D::deck2},
        {{state(D::deck4, "d", true), state(D::deck2, "b", true)}, D::deck4},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const std::optional<DeckState> source = SourceDeckResolver::resolveSource(cases[i].states);
        EXPECT_EQ(source ? std::optional(source->deck) : std::nullopt, cases[i].expected);
    }
}

} // namespace
} // namespace cuevox::decks
