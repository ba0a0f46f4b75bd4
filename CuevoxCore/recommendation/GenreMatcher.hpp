#pragma once

#include "recommendation/GenreCompatibilityProviding.hpp"
#include "recommendation/GenreMode.hpp"
#include "recommendation/MatchResult.hpp"

#include <optional>
#include <string_view>

namespace cuevox::recommendation {

// Judges a candidate's genre against the playing genre through a provider it owns.
struct GenreMatcher {
    AnyGenreCompatibility provider;
    GenreMode mode;

    // Nothing when either genre is missing or empty, or when the mode does not accept the pair.
    std::optional<MatchResult> evaluate(std::optional<std::string_view> current,
                                        std::optional<std::string_view> candidate) const;
};

} // namespace cuevox::recommendation
