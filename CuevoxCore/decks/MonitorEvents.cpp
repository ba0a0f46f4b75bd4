#include "decks/MonitorEvents.hpp"

#include <utility>

namespace cuevox::decks {

MonitorEvents::MonitorEvents(const RekordboxDeckMonitoring& monitor, Clock now)
    : m_states(monitor.deckStateUpdates()), m_restarts(monitor.rekordboxDidRestart()) {
    // The raw pointers stay valid: the notifiers are removed before the queues can go.
    m_restarts->setNotifier(
        [merged = m_merged.get(), restarts = m_restarts.get(), now = std::move(now)] {
            if (restarts->tryPop()) {
                merged->push(StampedRestart{now()});
            }
        });
    m_states->setNotifier([merged = m_merged.get(), states = m_states.get()] {
        if (std::optional<DeckState> state = states->tryPop()) {
            merged->push(std::move(*state));
        }
    });
}

MonitorEvents::~MonitorEvents() {
    // Each returns once a notification in progress has ended.
    m_states->setNotifier({});
    m_restarts->setNotifier({});
}

} // namespace cuevox::decks
