#pragma once

#include "decks/DeckIdentifier.hpp"
#include "metadata/Track.hpp"

#include <optional>
#include <string>

namespace cuevox::decks {

// The title and artist a deck shows for a track the collection does not hold.
struct UnresolvedTrackInfo {
    std::string title;
    std::string artist;
    bool operator==(const UnresolvedTrackInfo&) const = default;
};

// One row of the now-playing section.
struct DeckDisplayInfo {
    DeckIdentifier deck;
    // The collection track the deck shows; absent when none matched.
    std::optional<metadata::Track> track;
    // Present exactly when `track` is absent.
    std::optional<UnresolvedTrackInfo> unresolvedTrackInfo;
    bool isPlaying = false;

    bool operator==(const DeckDisplayInfo&) const = default;
};

} // namespace cuevox::decks
