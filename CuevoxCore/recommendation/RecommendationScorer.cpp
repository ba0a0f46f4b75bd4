#include "recommendation/RecommendationScorer.hpp"

#include <cmath>

namespace cuevox::recommendation {

double RecommendationScorer::score(double genre, double bpm, double harmonic, double energy) const {
    RecommendationWeights scaled = weights;
    double total = scaled.genre + scaled.bpm + scaled.harmonic + scaled.energy;
    if (std::isinf(total)) {
        // Finite weights near the largest double can add up to infinity, which would score
        // everything 0; a quarter of each cannot, and keeps their proportions exactly.
        scaled = {scaled.genre / 4, scaled.bpm / 4, scaled.harmonic / 4, scaled.energy / 4};
        total = scaled.genre + scaled.bpm + scaled.harmonic + scaled.energy;
    }
    RecommendationWeights normalised{0.25, 0.25, 0.25, 0.25};
    // A NaN total fails this test too and falls back to equal weights.
    if (total > 0) {
        normalised = {scaled.genre / total, scaled.bpm / total, scaled.harmonic / total,
                      scaled.energy / total};
    }
    return genre * normalised.genre + bpm * normalised.bpm + harmonic * normalised.harmonic +
           energy * normalised.energy;
}

} // namespace cuevox::recommendation
