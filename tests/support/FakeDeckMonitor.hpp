#pragma once

// The deck monitor as the state's tests need it: the test pushes deck states and restarts as
// the monitor's thread would.
#include "decks/DeckState.hpp"
#include "decks/RekordboxDeckMonitoring.hpp"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace cuevox::tests {

class FakeDeckMonitor final : public decks::RekordboxDeckMonitoring {
public:
    std::shared_ptr<decks::EventQueue<decks::DeckState>> deckStateUpdates() const override {
        return states;
    }
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>>
    rekordboxDidRestart() const override {
        return restarts;
    }

    std::shared_ptr<decks::EventQueue<decks::DeckState>> states =
        std::make_shared<decks::EventQueue<decks::DeckState>>();
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>> restarts =
        std::make_shared<decks::EventQueue<decks::RekordboxRestart>>();
};

// What rekordbox shows on a deck: a title and artist (as a provisional track, without a
// collection id), or nothing loaded.
inline decks::DeckState shownOnDeck(decks::DeckIdentifier deck,
                                    std::optional<std::pair<std::string, std::string>> titleArtist,
                                    bool playing, std::optional<double> bpm = std::nullopt) {
    decks::DeckState state{deck, std::nullopt, playing, false, std::nullopt, {}};
    if (titleArtist) {
        metadata::Track track{};
        track.id = titleArtist->second + "::" + titleArtist->first;
        track.title = titleArtist->first;
        track.artist = titleArtist->second;
        track.bpm = bpm;
        state.track = track;
    }
    return state;
}

} // namespace cuevox::tests
