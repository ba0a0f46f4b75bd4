#pragma once

#include "decks/DeckSession.hpp"
#include "tracklist/LiveInputs.hpp"

namespace cuevox::tracklist {

// What a deck session knows of the live inputs: the tempo its source deck shows, its played
// order. The one place the window and the command line's monitor read them.
inline LiveInputs liveInputsOf(const decks::DeckSession& session) {
    const std::optional<decks::DeckState>& source = session.sourceDeckState();
    return {source && source->track ? source->track->bpm : std::nullopt, session.playedOrder()};
}

} // namespace cuevox::tracklist
