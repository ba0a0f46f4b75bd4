#pragma once

#include <string_view>

namespace cuevox::recommendation {

// The same genre, ignoring case (full Unicode folding) but not blanks: 1, else 0.
struct ExactGenreCompatibility {
    double compatibility(std::string_view from, std::string_view to) const;

    bool operator==(const ExactGenreCompatibility&) const = default;
};

} // namespace cuevox::recommendation
