#include "views/ScoreBadge.hpp"

#include "views/Theme.hpp"

#include <cmath>

namespace cuevox::views {

std::optional<ScoreBadge> ScoreBadge::forScore(std::optional<double> score) {
    if (!score || !std::isfinite(*score)) {
        return std::nullopt;
    }
    // The colour reads the score before rounding, so 84.6 shows "85%" in yellow.
    const QColor color = *score >= 85   ? theme::kGreen
                         : *score >= 60 ? theme::kYellow
                                        : theme::kSecondaryText;
    // std::llround rounds halves away from zero: 84.5 gives 85.
    return ScoreBadge{QString::number(std::llround(*score)) + QLatin1Char('%'), color};
}

} // namespace cuevox::views
