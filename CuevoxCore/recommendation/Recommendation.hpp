#pragma once

#include "metadata/Track.hpp"
#include "recommendation/DimensionValues.hpp"
#include "recommendation/RecommendationReason.hpp"

#include <vector>

namespace cuevox::recommendation {

// One ranked candidate: its total (rounded to one decimal), the unrounded dimension scores and
// the reasons in the order genre, tempo, harmonic, energy.
struct Recommendation {
    metadata::Track track;
    double score;
    RecommendationScoreBreakdown breakdown;
    std::vector<RecommendationReason> reasons;

    bool operator==(const Recommendation&) const = default;
};

} // namespace cuevox::recommendation
