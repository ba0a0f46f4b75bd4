#pragma once

#include "decks/DeckSession.hpp"

#include <optional>
#include <string>
#include <vector>

namespace cuevox::tracklist {

// What the decks tell the list during a set, beside the playing track itself.
struct LiveInputs {
    // The tempo the source deck shows, pitch fader applied; used only in the tempo mode, and
    // only when it is a finite number above 0.
    std::optional<double> sourceDeckBPM;
    // Each track id once, in the order first played, oldest first.
    std::vector<std::string> playedTrackIDs;

    // What a deck session knows of them: the tempo its source deck shows, its played order.
    static LiveInputs of(const decks::DeckSession& session) {
        const std::optional<decks::DeckState>& source = session.sourceDeckState();
        return {source && source->track ? source->track->bpm : std::nullopt, session.playedOrder()};
    }

    bool operator==(const LiveInputs&) const = default;
};

} // namespace cuevox::tracklist
