#include "recommendation/BPMMatcher.hpp"

#include <cmath>

namespace cuevox::recommendation {

std::optional<MatchResult> BPMMatcher::evaluate(double currentBPM, double candidateBPM) const {
    const double difference = std::fabs(currentBPM - candidateBPM);
    // Written as a negation so that a NaN difference refuses too.
    if (!(difference <= tolerance.max)) {
        return std::nullopt;
    }
    if (difference <= tolerance.exact) {
        return MatchResult{100, RecommendationReason::sameBPM()};
    }
    const double span = tolerance.max - tolerance.exact;
    double score = 0;
    if (span > 0) {
        score = (1 - (difference - tolerance.exact) / span) * 100;
        if (!(score >= 0)) {
            score = 0;
        }
    }
    return MatchResult{score, RecommendationReason::bpmOffset(candidateBPM - currentBPM)};
}

} // namespace cuevox::recommendation
