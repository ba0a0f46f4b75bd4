#pragma once

#include "deck-display/DeckDisplayCommand.hpp"
#include "metadata/Track.hpp"
#include "simulation/SimulatedRekordbox.hpp"

#include <optional>
#include <string>
#include <vector>

namespace cuevox::tools {

// The four decks of the deck display and the collection they load from, without any widget:
// what the window shows is what this says.
class DeckDisplayController {
public:
    // Decks 1 to `decks` (2 or 4) take commands.
    DeckDisplayController(std::vector<metadata::Track> tracks,
                          simulation::SimulatedRekordbox::TimeSource now, int decks = 4);

    // Nothing when done, else why not (an unknown track, nothing left to load, a deck the
    // display does not show). Quit and flood are the window's to act on and do nothing here.
    std::optional<std::string> perform(const DeckDisplayCommand& command);

    std::vector<std::string> deckTexts(int deck) { return m_rekordbox.deckTexts(deck); }
    bool isPlaying(int deck) { return m_rekordbox.isPlaying(deck); }
    std::size_t trackCount() const { return m_tracks.size(); }
    const std::vector<metadata::Track>& tracks() const { return m_tracks; }
    int decks() const { return m_decks; }

private:
    std::vector<metadata::Track> m_tracks;
    // Where "next" goes on from, over the tracks a deck can show.
    std::size_t m_next = 0;
    int m_decks;
    simulation::SimulatedRekordbox m_rekordbox;
};

} // namespace cuevox::tools
