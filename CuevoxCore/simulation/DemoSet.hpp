#pragma once

#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Track.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/SimulatedRekordbox.hpp"

#include <optional>
#include <span>
#include <vector>

namespace cuevox::simulation {

// A set for the simulated rekordbox, made from whatever collection is loaded.
struct DemoSet {
    std::vector<SimulationEvent> events;
    // Seconds from the start of the set to its last event.
    double lastEventAt = 0;
};

// Whether a deck showing this track gives texts the deck reader recognises as one track.
bool isShowable(const SimulatedTrack& track);

enum class DemoDecks { two, four };

// Two decks trading tracks that follow one another as the recommendations suggest, a pause,
// an eject, a promo that is not in the collection, and a restart of rekordbox. With four
// decks, decks 3 and 4 also hold the next picks, and deck 3 plays one for a while. Nothing
// when the collection lacks two tracks a deck can show (a title and a tempo).
std::optional<DemoSet> demoSet(std::span<const metadata::Track> tracks,
                               const decks::LibraryTrackIndex& index,
                               const recommendation::RecommendationService& service,
                               DemoDecks decks = DemoDecks::two);

} // namespace cuevox::simulation
