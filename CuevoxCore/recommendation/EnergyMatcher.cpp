#include "recommendation/EnergyMatcher.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cuevox::recommendation {

MatchResult EnergyMatcher::evaluate(std::optional<int> current,
                                    std::optional<int> candidate) const {
    if (!current || !candidate) {
        return {50, RecommendationReason::energyUnknown()};
    }
    if (*current == *candidate) {
        return {100, RecommendationReason::sameEnergy()};
    }
    // In 64 bits, so that levels near the integer limits cannot overflow.
    const long long offset = static_cast<long long>(*candidate) - *current;
    const double distance = std::fabs(static_cast<double>(offset));
    const double score = (1 - distance / falloffWidth(mode)) * 100;
    return {score < 0 ? 0 : score,
            RecommendationReason::energyOffset(static_cast<int>(std::clamp<long long>(
                offset, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())))};
}

} // namespace cuevox::recommendation
