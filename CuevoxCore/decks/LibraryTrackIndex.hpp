#pragma once

#include "decks/LibraryMatchKey.hpp"
#include "metadata/Track.hpp"

#include <cstddef>
#include <span>
#include <stop_token>
#include <string_view>
#include <unordered_map>

namespace cuevox::decks {

// Finds the collection track that a deck shows, by artist and title (see LibraryMatchKey): the
// first in collection order among equal keys. The keys are computed once per collection, so
// that resolving the decks after every change costs a hash look-up.
class LibraryTrackIndex {
public:
    LibraryTrackIndex() = default;

    // Borrows `tracks`: they must outlive the index and stay where they are. A stop request
    // leaves the index unfinished, for the caller to drop.
    explicit LibraryTrackIndex(std::span<const metadata::Track> tracks, std::stop_token stop = {});

    // A pointer into the indexed tracks, or null.
    const metadata::Track* find(std::string_view title, std::string_view artist) const;

    std::size_t size() const { return m_tracks.size(); }

private:
    std::span<const metadata::Track> m_tracks;
    std::unordered_map<LibraryMatchKey, std::size_t> m_firstPositionByKey;
};

} // namespace cuevox::decks
