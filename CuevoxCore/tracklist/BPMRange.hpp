#pragma once

#include <compare>

namespace cuevox::tracklist {

// A tempo bucket of the filter bar: lowerBound <= tempo < lowerBound + 10.
struct BPMRange {
    int lowerBound = 0;

    bool contains(double bpm) const { return bpm >= lowerBound && bpm < lowerBound + 10; }

    auto operator<=>(const BPMRange&) const = default;
};

} // namespace cuevox::tracklist
