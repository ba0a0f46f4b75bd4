#pragma once

#include "tracklist/ListModeNames.hpp"

#include <algorithm>
#include <optional>

namespace cuevox::tracklist {

// How far the DJ's pitch fader may move a track, in percent: 0 (off) or one of the ranges DJ
// players offer (kPitchRangePercents). Valid by construction.
class PitchRange {
public:
    // Off.
    constexpr PitchRange() = default;

    static constexpr std::optional<PitchRange> fromPercent(int percent) {
        if (std::find(kPitchRangePercents.begin(), kPitchRangePercents.end(), percent) ==
            kPitchRangePercents.end()) {
            return std::nullopt;
        }
        return PitchRange(percent);
    }

    constexpr int percent() const { return m_percent; }
    constexpr bool isOff() const { return m_percent == 0; }

    bool operator==(const PitchRange&) const = default;

private:
    constexpr explicit PitchRange(int percent) : m_percent(percent) {}

    int m_percent = 0;
};

} // namespace cuevox::tracklist
