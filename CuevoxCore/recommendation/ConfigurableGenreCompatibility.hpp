#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace cuevox::recommendation {

// Compatibilities from a table the caller supplies: table[from][to], looked up in lower case
// and only in that direction. Keys holding capitals are never found.
struct ConfigurableGenreCompatibility {
    using Table = std::unordered_map<std::string, std::unordered_map<std::string, double>>;

    Table table;

    // Values come back as stored, unclamped; a pair with no entry gives 0.
    double compatibility(std::string_view from, std::string_view to) const;

    bool operator==(const ConfigurableGenreCompatibility&) const = default;
};

} // namespace cuevox::recommendation
