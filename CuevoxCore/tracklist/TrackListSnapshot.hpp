#pragma once

#include "tracklist/PreparedLibrary.hpp"

#include <memory>
#include <vector>

namespace cuevox::tracklist {

// The tracks a list shows, as positions in the collection they come from. Holding the
// collection keeps the tracks alive even after another collection has been loaded.
class TrackListSnapshot {
public:
    TrackListSnapshot() = default;
    TrackListSnapshot(std::shared_ptr<const PreparedLibrary> library,
                      std::vector<std::size_t> indices)
        : m_library(std::move(library)), m_indices(std::move(indices)) {}

    std::size_t size() const { return m_indices.size(); }
    bool empty() const { return m_indices.empty(); }
    const metadata::Track& operator[](std::size_t row) const {
        return m_library->tracks()[m_indices[row]];
    }

    bool operator==(const TrackListSnapshot& other) const {
        return m_library == other.m_library && m_indices == other.m_indices;
    }

private:
    std::shared_ptr<const PreparedLibrary> m_library;
    std::vector<std::size_t> m_indices;
};

} // namespace cuevox::tracklist
