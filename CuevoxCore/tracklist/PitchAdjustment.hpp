#pragma once

#include <string>

namespace cuevox::tracklist {

// How the DJ pitches a listed track so that it plays at the reference tempo: the percent of
// the pitch fader, and whether the track is mixed at its own, twice or half its tempo.
struct PitchAdjustment {
    enum class Multiple { single, doubled, halved };

    Multiple multiple = Multiple::single;
    double percent = 0;

    // "+1.6 %", "−0.8 %", "×2 −0.4 %", "½ +0.3 %": one decimal, always signed.
    std::string toString() const;

    bool operator==(const PitchAdjustment&) const = default;
};

} // namespace cuevox::tracklist
