#include "decks/LibraryTrackIndex.hpp"

namespace cuevox::decks {

LibraryTrackIndex::LibraryTrackIndex(std::span<const metadata::Track> tracks, std::stop_token stop)
    : m_tracks(tracks) {
    m_firstPositionByKey.reserve(tracks.size());
    for (std::size_t position = 0; position < tracks.size(); ++position) {
        if (position % 4096 == 0 && stop.stop_requested()) {
            return;
        }
        // emplace keeps an existing entry, so the earliest track of a key stays.
        m_firstPositionByKey.emplace(
            LibraryMatchKey::of(tracks[position].artist, tracks[position].title), position);
    }
}

const metadata::Track* LibraryTrackIndex::find(std::string_view title,
                                               std::string_view artist) const {
    const auto found = m_firstPositionByKey.find(LibraryMatchKey::of(artist, title));
    return found != m_firstPositionByKey.end() ? &m_tracks[found->second] : nullptr;
}

} // namespace cuevox::decks
