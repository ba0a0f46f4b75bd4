#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace cuevox::style {

// Which tracks came right after and right before each track in the DJ's sets: an inverted
// list per track, in memory linear in the transitions.
class ProvenPairs {
public:
    struct Transition {
        std::uint32_t from;
        std::uint32_t to;
        // 1 for a set played now, less for older ones.
        float weight;
    };
    struct Neighbour {
        std::uint32_t track;
        // The weights of the times it came right after, and right before.
        float followed = 0;
        float preceded = 0;
        std::uint32_t followedCount = 0;
        std::uint32_t precededCount = 0;
    };

    ProvenPairs() = default;
    ProvenPairs(std::vector<Transition> transitions, std::size_t trackCount);

    // Ascending by track.
    std::span<const Neighbour> of(std::uint32_t track) const {
        return std::span(m_neighbours)
            .subspan(m_starts[track], m_starts[track + 1] - m_starts[track]);
    }

private:
    std::vector<std::uint32_t> m_starts;
    std::vector<Neighbour> m_neighbours;
};

} // namespace cuevox::style
