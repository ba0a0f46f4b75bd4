#pragma once

#include "recommendation/KeyMove.hpp"

#include <optional>

namespace cuevox::style {

// The signal that lifted a candidate most, with what a DJ needs to read it; the window and the
// command line word it ("in 3 of your crates", "played after it 2×").
struct StyleReason {
    enum class Kind {
        // `count`: the crates that hold both tracks.
        sharedCrates,
        // `count`: the days between their DateAdded; `between`: the tracks added in between,
        // when the playing track is in the collection.
        addedTogether,
        // `count`: the times the candidate followed the playing track in the DJ's sets.
        playedAfter,
        // `count`: the times it came just before it.
        playedBefore,
        // `move`: a key move the DJ makes more often than chance.
        keyMove,
        // `number`: a tempo step in percent that the DJ makes more often than chance, ×2 and ½
        // counted as
        // the same tempo; signed, positive when the candidate is faster.
        tempoMove,
        // `number`: the list's own score, 0 to 100.
        listScore,
    };

    Kind kind;
    int count = 0;
    std::optional<int> between = std::nullopt;
    std::optional<recommendation::KeyMove> move = std::nullopt;
    double number = 0;

    bool operator==(const StyleReason&) const = default;
};

} // namespace cuevox::style
