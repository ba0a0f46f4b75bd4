#pragma once

#include "decks/DeckState.hpp"
#include "decks/EventQueue.hpp"
#include "decks/RekordboxDeckMonitoring.hpp"

#include <chrono>
#include <functional>
#include <memory>
#include <variant>

namespace cuevox::decks {

// A restart, with the moment it was taken from the monitor.
struct StampedRestart {
    std::chrono::system_clock::time_point at;
    bool operator==(const StampedRestart&) const = default;
};

// What the monitor observed, in one stream.
using MonitorEvent = std::variant<DeckState, StampedRestart>;

// A monitor's deck states and restarts merged into one queue in the order published, which
// keeps a restart before the states of the poll that saw it: each is moved on, on the
// monitor's thread, as soon as it is queued. Shares the monitor's queues, so it may outlive
// the monitor; from its destruction on it takes nothing more.
class MonitorEvents {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // `now` stamps each restart; called on the monitor's thread.
    explicit MonitorEvents(const RekordboxDeckMonitoring& monitor,
                           Clock now = std::chrono::system_clock::now);
    ~MonitorEvents();
    MonitorEvents(const MonitorEvents&) = delete;
    MonitorEvents& operator=(const MonitorEvents&) = delete;

    EventQueue<MonitorEvent>& queue() const { return *m_merged; }

private:
    std::shared_ptr<EventQueue<DeckState>> m_states;
    std::shared_ptr<EventQueue<RekordboxRestart>> m_restarts;
    std::shared_ptr<EventQueue<MonitorEvent>> m_merged =
        std::make_shared<EventQueue<MonitorEvent>>();
};

} // namespace cuevox::decks
