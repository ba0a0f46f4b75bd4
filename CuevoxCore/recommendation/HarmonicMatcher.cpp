#include "recommendation/HarmonicMatcher.hpp"

#include "recommendation/HarmonicCompatibilityService.hpp"

namespace cuevox::recommendation {
namespace {

bool accepts(HarmonicMode mode, HarmonicRelation relation) {
    switch (relation) {
    case HarmonicRelation::same:
    case HarmonicRelation::adjacent:
    case HarmonicRelation::relative: return true;
    case HarmonicRelation::relativeAdjacent:
    case HarmonicRelation::energyBoost: return mode != HarmonicMode::strict;
    case HarmonicRelation::incompatible: return mode == HarmonicMode::experimental;
    }
    return false;
}

RecommendationReason reasonFor(HarmonicRelation relation) {
    switch (relation) {
    case HarmonicRelation::same: return RecommendationReason::harmonicSame();
    case HarmonicRelation::adjacent: return RecommendationReason::harmonicAdjacent();
    case HarmonicRelation::relative: return RecommendationReason::harmonicRelative();
    case HarmonicRelation::relativeAdjacent:
        return RecommendationReason::harmonicRelativeAdjacent();
    case HarmonicRelation::energyBoost: return RecommendationReason::harmonicEnergyBoost();
    case HarmonicRelation::incompatible: break;
    }
    return RecommendationReason::harmonicIncompatible();
}

} // namespace

std::optional<MatchResult> HarmonicMatcher::evaluate(metadata::CamelotKey currentKey,
                                                     metadata::CamelotKey candidateKey) const {
    const auto result = HarmonicCompatibilityService::evaluate(currentKey, candidateKey);
    if (!accepts(mode, result.relation)) {
        return std::nullopt;
    }
    return MatchResult{result.score, reasonFor(result.relation)};
}

} // namespace cuevox::recommendation
