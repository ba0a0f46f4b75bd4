#pragma once

#include "metadata/CamelotKey.hpp"
#include "tracklist/BPMRange.hpp"

#include <set>
#include <string>
#include <unordered_set>

namespace cuevox::tracklist {

// What the DJ chose in the filter bar. An empty set means "no choice": the group then filters
// automatically around the playing track, or not at all.
struct FilterSelections {
    std::set<std::string> genres;
    std::set<BPMRange> bpmRanges;
    std::unordered_set<metadata::CamelotKey> keys;
    std::set<int> energies;

    bool operator==(const FilterSelections&) const = default;
};

} // namespace cuevox::tracklist
