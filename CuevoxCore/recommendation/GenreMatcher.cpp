#include "recommendation/GenreMatcher.hpp"

#include <cmath>

namespace cuevox::recommendation {

std::optional<MatchResult> GenreMatcher::evaluate(std::optional<std::string_view> current,
                                                  std::optional<std::string_view> candidate) const {
    // A genre of blanks is not empty: only a missing or zero-length text refuses here.
    if (!current || current->empty() || !candidate || candidate->empty()) {
        return std::nullopt;
    }
    const double compatibility = provider.compatibility(*current, *candidate);
    if (compatibility >= 1) {
        return MatchResult{100, RecommendationReason::sameGenre()};
    }
    // The negated test refuses NaN as well.
    if (mode == GenreMode::exactOnly || !(compatibility > 0)) {
        return std::nullopt;
    }
    const double score = compatibility * 100;
    // std::lround rounds halves away from zero: 62.5 shows as 63.
    return MatchResult{score,
                       RecommendationReason::compatibleGenre(static_cast<int>(std::lround(score)))};
}

} // namespace cuevox::recommendation
