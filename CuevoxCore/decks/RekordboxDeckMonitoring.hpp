#pragma once

#include "decks/DeckState.hpp"
#include "decks/EventQueue.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <memory>

namespace cuevox::decks {

// Signalled when rekordbox is found running under a new process id: every deck state
// published before belongs to the old process.
struct RekordboxRestart {
    bool operator==(const RekordboxRestart&) const = default;
};

// A source of deck observations, so that the application can be given another monitor.
// Within one poll a restart is pushed before that poll's deck states.
class RekordboxDeckMonitoring {
public:
    virtual ~RekordboxDeckMonitoring() = default;

    // One element per observed change of a deck. Shared, so a consumer may outlive the monitor.
    virtual std::shared_ptr<EventQueue<DeckState>> deckStateUpdates() const = 0;
    virtual std::shared_ptr<EventQueue<RekordboxRestart>> rekordboxDidRestart() const = 0;

    // Which notations a deck's key text may be in, as the collection is read; a monitor that
    // reads no texts has no use for it.
    virtual void setKeyNotation(metadata::KeyNotationOptions) {}
};

} // namespace cuevox::decks
