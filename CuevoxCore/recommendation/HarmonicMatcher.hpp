#pragma once

#include "metadata/CamelotKey.hpp"
#include "recommendation/HarmonicMode.hpp"
#include "recommendation/MatchResult.hpp"

#include <optional>

namespace cuevox::recommendation {

// Judges a candidate's key against the playing key; refuses (nothing) what the mode rejects.
struct HarmonicMatcher {
    HarmonicMode mode;

    std::optional<MatchResult> evaluate(metadata::CamelotKey currentKey,
                                        metadata::CamelotKey candidateKey) const;

    bool operator==(const HarmonicMatcher&) const = default;
};

} // namespace cuevox::recommendation
