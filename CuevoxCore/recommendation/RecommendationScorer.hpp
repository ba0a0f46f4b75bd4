#pragma once

#include "recommendation/DimensionValues.hpp"

namespace cuevox::recommendation {

// The weighting rule that joins four dimension scores into one.
struct RecommendationScorer {
    RecommendationWeights weights;

    // Weights are divided by their total; a total that is not positive weighs each 0.25.
    // The result is not rounded.
    double score(double genre, double bpm, double harmonic, double energy) const;

    bool operator==(const RecommendationScorer&) const = default;
};

} // namespace cuevox::recommendation
