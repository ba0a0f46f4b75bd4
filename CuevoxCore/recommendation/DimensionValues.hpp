#pragma once

namespace cuevox::recommendation {

// One number for each dimension a recommendation is scored on, in the order of its reasons.
struct DimensionValues {
    double genre;
    double bpm;
    double harmonic;
    double energy;

    bool operator==(const DimensionValues&) const = default;
};

// How much each dimension counts; need not add up to 1, the scorer normalises.
using RecommendationWeights = DimensionValues;

// The four dimension scores (0-100) of a recommendation before weighting.
using RecommendationScoreBreakdown = DimensionValues;

} // namespace cuevox::recommendation
