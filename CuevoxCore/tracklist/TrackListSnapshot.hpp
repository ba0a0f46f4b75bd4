#pragma once

#include "tracklist/ListRow.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <memory>
#include <vector>

namespace cuevox::tracklist {

// The rows a list shows, over the collection they come from. Holding the collection keeps the
// tracks alive even after another collection has been loaded.
class TrackListSnapshot {
public:
    TrackListSnapshot() = default;
    TrackListSnapshot(std::shared_ptr<const PreparedLibrary> library, std::vector<ListRow> rows)
        : m_library(std::move(library)), m_rows(std::move(rows)) {}

    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const metadata::Track& operator[](std::size_t row) const {
        return m_library->tracks()[m_rows[row].index];
    }
    const ListRow& row(std::size_t row) const { return m_rows[row]; }
    const std::vector<ListRow>& rows() const { return m_rows; }
    bool isScored() const { return !m_rows.empty() && m_rows.front().score.has_value(); }

    bool operator==(const TrackListSnapshot& other) const {
        return m_library == other.m_library && m_rows == other.m_rows;
    }

private:
    std::shared_ptr<const PreparedLibrary> m_library;
    std::vector<ListRow> m_rows;
};

} // namespace cuevox::tracklist
