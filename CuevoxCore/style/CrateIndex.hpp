#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace cuevox::style {

// The DJ's crates as two inverted lists, each crate's tracks and each track's crates, in
// memory linear in the entries; each crate weighted down by its size.
class CrateIndex {
public:
    CrateIndex() = default;
    // `crates` hold positions below `trackCount`, each once.
    CrateIndex(std::span<const std::vector<std::uint32_t>> crates, std::size_t trackCount);

    // Calls `visit(track, weight)` for every track of every crate that holds `track` (itself
    // included), skipping crates that weigh nothing.
    template <typename Visit>
    void forEachNeighbour(std::uint32_t track, Visit visit) const {
        for (std::uint32_t i = m_trackStarts[track]; i < m_trackStarts[track + 1]; ++i) {
            const std::uint32_t crate = m_trackCrates[i];
            if (const float weight = m_weights[crate]; weight > 0) {
                for (std::uint32_t m = m_crateStarts[crate]; m < m_crateStarts[crate + 1]; ++m) {
                    visit(m_members[m], weight);
                }
            }
        }
    }

    // A crate of 20 says more than one of 2,000, and one holding more than half of the
    // collection ("All", "To sort") says nothing.
    static float weightOf(std::size_t size, std::size_t trackCount);

private:
    std::vector<std::uint32_t> m_crateStarts{0};
    std::vector<std::uint32_t> m_members;
    std::vector<float> m_weights;
    std::vector<std::uint32_t> m_trackStarts;
    std::vector<std::uint32_t> m_trackCrates;
};

} // namespace cuevox::style
