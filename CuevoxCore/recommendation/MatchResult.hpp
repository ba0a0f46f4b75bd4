#pragma once

#include "recommendation/RecommendationReason.hpp"

namespace cuevox::recommendation {

// What a matcher gives back for an accepted candidate: a 0-100 score and why.
struct MatchResult {
    double score;
    RecommendationReason reason;

    bool operator==(const MatchResult&) const = default;
};

} // namespace cuevox::recommendation
