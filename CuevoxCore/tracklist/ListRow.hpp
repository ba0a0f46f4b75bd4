#pragma once

#include "recommendation/KeyMove.hpp"
#include "style/StyleScore.hpp"
#include "tracklist/HeardKey.hpp"
#include "tracklist/PitchAdjustment.hpp"

#include <cstddef>
#include <optional>

namespace cuevox::tracklist {

// One row of a list: the track by its position in the collection, with what the list worked
// out for it.
struct ListRow {
    std::size_t index = 0;
    // 0 to 100; nothing when there is no playing track with a tempo to score against.
    std::optional<double> score;
    // In the tempo mode, when the track's tempo matches: how to pitch it to the aim.
    std::optional<PitchAdjustment> pitch;
    // The move from the playing key to this track's, both as heard; nothing when either is
    // missing.
    std::optional<recommendation::KeyMove> move;
    // With key lock off: the key this track sounds in at the pitch the list has it played at.
    std::optional<HeardKey> heardKey;
    // In the style mode: how likely this track is next for this DJ, and why.
    std::optional<style::StyleScore> style;

    bool operator==(const ListRow&) const = default;
};

} // namespace cuevox::tracklist
