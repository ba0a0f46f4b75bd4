#pragma once

namespace cuevox::recommendation {

// The four dimension scores (0-100) of a recommendation before weighting.
struct RecommendationScoreBreakdown {
    double genre;
    double bpm;
    double harmonic;
    double energy;

    bool operator==(const RecommendationScoreBreakdown&) const = default;
};

} // namespace cuevox::recommendation
