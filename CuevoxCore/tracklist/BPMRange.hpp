#pragma once

#include <compare>
#include <cstddef>
#include <functional>

namespace cuevox::tracklist {

// A tempo bucket of the filter bar: lowerBound <= tempo < lowerBound + 10.
struct BPMRange {
    int lowerBound = 0;

    bool contains(double bpm) const { return bpm >= lowerBound && bpm < lowerBound + 10; }

    auto operator<=>(const BPMRange&) const = default;
};

} // namespace cuevox::tracklist

template <>
struct std::hash<cuevox::tracklist::BPMRange> {
    std::size_t operator()(const cuevox::tracklist::BPMRange& range) const noexcept {
        return std::hash<int>{}(range.lowerBound);
    }
};
