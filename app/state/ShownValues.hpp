#pragma once

#include "decks/DeckDisplayInfo.hpp"
#include "decks/DeckSession.hpp"
#include "metadata/Track.hpp"
#include "tracklist/FilterOptions.hpp"
#include "tracklist/TrackListSnapshot.hpp"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cuevox::state {

// What the decks mean against the collection, as the window shows it.
struct ShownDecks {
    // One per deck that holds a track, in deck order.
    std::vector<decks::DeckDisplayInfo> rows;
    std::optional<decks::DeckIdentifier> sourceDeck;
    // Absent when no deck is the source or its track is not in the collection.
    std::optional<metadata::Track> sourceTrack;
    // What the source deck shows when the collection does not hold it.
    std::optional<decks::UnresolvedTrackInfo> unresolvedTrackInfo;
    // Collection tracks played since rekordbox started.
    std::set<std::string> playedTrackIDs;
    decks::DeckSession::LoadedTrackDecks loadedTrackDecks;

    bool operator==(const ShownDecks&) const = default;
};

// The listed tracks, with the options each filter group offers beside them.
struct ShownList {
    // With their scores and, in the tempo mode, how to pitch them.
    tracklist::TrackListSnapshot tracks;
    std::vector<tracklist::GenreOption> genreOptions;
    std::vector<tracklist::BPMRangeOption> bpmRangeOptions;
    std::vector<tracklist::KeyOption> keyOptions;
    std::vector<tracklist::EnergyOption> energyOptions;

    bool operator==(const ShownList&) const = default;
};

} // namespace cuevox::state
