#pragma once

#include "decks/DeckIdentifier.hpp"
#include "metadata/Track.hpp"

#include <chrono>
#include <optional>

namespace cuevox::decks {

// What a deck monitor observed on one deck at one moment.
struct DeckState {
    DeckIdentifier deck;
    // Absent when the deck is empty. A monitor that reads the screen fills it with a
    // provisional track built from the deck's texts, not with a collection track.
    std::optional<metadata::Track> track;
    bool isPlaying;
    bool isMaster;
    // Absent when the monitor cannot tell.
    std::optional<bool> isOnAir;
    std::chrono::system_clock::time_point updatedAt;

    // The moment of observation does not count: an unchanged deck seen twice is one state.
    bool operator==(const DeckState& other) const {
        return deck == other.deck && track == other.track && isPlaying == other.isPlaying &&
               isMaster == other.isMaster && isOnAir == other.isOnAir;
    }
};

} // namespace cuevox::decks
