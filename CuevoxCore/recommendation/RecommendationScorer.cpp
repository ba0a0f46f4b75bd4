#include "recommendation/RecommendationScorer.hpp"

namespace cuevox::recommendation {

double RecommendationScorer::score(double genre, double bpm, double harmonic, double energy) const {
    const double total = weights.genre + weights.bpm + weights.harmonic + weights.energy;
    RecommendationWeights normalised{0.25, 0.25, 0.25, 0.25};
    // A NaN total fails this test too and falls back to equal weights.
    if (total > 0) {
        normalised = {weights.genre / total, weights.bpm / total, weights.harmonic / total,
                      weights.energy / total};
    }
    return genre * normalised.genre + bpm * normalised.bpm + harmonic * normalised.harmonic +
           energy * normalised.energy;
}

} // namespace cuevox::recommendation
