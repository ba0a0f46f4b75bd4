#include "style/CrateIndex.hpp"

#include <cmath>
#include <numeric>

namespace cuevox::style {

float CrateIndex::weightOf(std::size_t size, std::size_t trackCount) {
    if (2 * size > trackCount) {
        return 0;
    }
    return static_cast<float>(1 / std::log2(2 + static_cast<double>(size)));
}

CrateIndex::CrateIndex(std::span<const std::vector<std::uint32_t>> crates, std::size_t trackCount)
    : m_trackStarts(trackCount + 1, 0) {
    for (const std::vector<std::uint32_t>& members : crates) {
        m_weights.push_back(weightOf(members.size(), trackCount));
        m_members.insert(m_members.end(), members.begin(), members.end());
        m_crateStarts.push_back(static_cast<std::uint32_t>(m_members.size()));
        for (const std::uint32_t member : members) {
            ++m_trackStarts[member + 1];
        }
    }
    std::partial_sum(m_trackStarts.begin(), m_trackStarts.end(), m_trackStarts.begin());
    std::vector<std::uint32_t> next(m_trackStarts.begin(), m_trackStarts.end() - 1);
    m_trackCrates.resize(m_members.size());
    for (std::uint32_t crate = 0; crate + 1 < m_crateStarts.size(); ++crate) {
        for (std::uint32_t i = m_crateStarts[crate]; i < m_crateStarts[crate + 1]; ++i) {
            m_trackCrates[next[m_members[i]]++] = crate;
        }
    }
}

} // namespace cuevox::style
