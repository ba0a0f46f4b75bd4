#pragma once

#include "recommendation/BPMTolerance.hpp"
#include "recommendation/MatchResult.hpp"

#include <optional>

namespace cuevox::recommendation {

// Scores a candidate tempo by its absolute distance from the playing tempo; no half- or
// double-time matching.
struct BPMMatcher {
    BPMTolerance tolerance;

    // Nothing when the tempos are more than `tolerance.max` apart (or either is not a number).
    std::optional<MatchResult> evaluate(double currentBPM, double candidateBPM) const;

    bool operator==(const BPMMatcher&) const = default;
};

} // namespace cuevox::recommendation
