#include "style/ProvenPairs.hpp"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace cuevox::style {

ProvenPairs::ProvenPairs(std::vector<Transition> transitions, std::size_t trackCount)
    : m_starts(trackCount + 1, 0) {
    // Each transition once from each end: `to` follows `from`, `from` precedes `to`.
    struct Entry {
        std::uint32_t track;
        std::uint32_t other;
        bool followed;
        float weight;
    };
    std::vector<Entry> entries;
    entries.reserve(2 * transitions.size());
    for (const Transition& transition : transitions) {
        entries.push_back({transition.from, transition.to, true, transition.weight});
        entries.push_back({transition.to, transition.from, false, transition.weight});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.track, a.other) < std::tie(b.track, b.other);
    });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (i == 0 || entries[i - 1].track != entry.track || entries[i - 1].other != entry.other) {
            m_neighbours.push_back({entry.other});
            ++m_starts[entry.track + 1];
        }
        Neighbour& neighbour = m_neighbours.back();
        (entry.followed ? neighbour.followed : neighbour.preceded) += entry.weight;
        ++(entry.followed ? neighbour.followedCount : neighbour.precededCount);
    }
    std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
}

} // namespace cuevox::style
