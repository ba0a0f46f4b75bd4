#pragma once

#include "recommendation/EnergyToleranceMode.hpp"
#include "recommendation/MatchResult.hpp"

#include <optional>

namespace cuevox::recommendation {

// Scores a candidate's energy level against the playing one; never refuses, since energy is a
// preference rather than a constraint.
struct EnergyMatcher {
    EnergyToleranceMode mode;

    MatchResult evaluate(std::optional<int> current, std::optional<int> candidate) const;

    bool operator==(const EnergyMatcher&) const = default;
};

} // namespace cuevox::recommendation
