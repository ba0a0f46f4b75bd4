#pragma once

#include "metadata/CamelotKey.hpp"
#include "tracklist/BPMRange.hpp"

#include <string>

namespace cuevox::tracklist {

// The choices of the four filter groups, each with the number of tracks it would show.
struct GenreOption {
    std::string name;
    int count = 0;
    bool operator==(const GenreOption&) const = default;
};

struct BPMRangeOption {
    BPMRange range;
    int count = 0;
    bool operator==(const BPMRangeOption&) const = default;
};

struct KeyOption {
    metadata::CamelotKey key;
    int count = 0;
    bool operator==(const KeyOption&) const = default;
};

struct EnergyOption {
    int energy = 0;
    int count = 0;
    bool operator==(const EnergyOption&) const = default;
};

} // namespace cuevox::tracklist
