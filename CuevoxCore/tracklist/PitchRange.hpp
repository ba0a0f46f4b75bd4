#pragma once

#include <optional>

namespace cuevox::tracklist {

// How far the DJ's pitch fader may move a track, in percent: 0 (off) or one of the ranges DJ
// players offer, 2, 4, 6, 8 and 16. Valid by construction.
class PitchRange {
public:
    // Off.
    constexpr PitchRange() = default;

    static constexpr std::optional<PitchRange> fromPercent(int percent) {
        switch (percent) {
        case 0:
        case 2:
        case 4:
        case 6:
        case 8:
        case 16:
            return PitchRange(percent);
        default:
            return std::nullopt;
        }
    }

    constexpr int percent() const { return m_percent; }
    constexpr bool isOff() const { return m_percent == 0; }

    bool operator==(const PitchRange&) const = default;

private:
    constexpr explicit PitchRange(int percent) : m_percent(percent) {}

    int m_percent = 0;
};

} // namespace cuevox::tracklist
