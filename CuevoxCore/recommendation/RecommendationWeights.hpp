#pragma once

namespace cuevox::recommendation {

// How much each dimension counts; need not add up to 1, the scorer normalises.
struct RecommendationWeights {
    double genre;
    double bpm;
    double harmonic;
    double energy;

    bool operator==(const RecommendationWeights&) const = default;
};

} // namespace cuevox::recommendation
