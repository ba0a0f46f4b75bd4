#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckPoller.hpp"
#include "decks/MonitorClock.hpp"
#include "decks/RekordboxDeckMonitoring.hpp"

#include <memory>
#include <thread>

namespace cuevox::decks {

// Watches rekordbox's window through the accessibility interface on a thread of its own,
// from construction to destruction, and publishes every change of a deck and every restart.
class AccessibilityDeckMonitor final : public RekordboxDeckMonitoring {
public:
    using Configuration = DeckMonitorConfiguration;

    // Starts polling at once. An invalid interval stops the program (a programming error).
    AccessibilityDeckMonitor(
        Configuration configuration, std::shared_ptr<AccessibilityPlatform> platform,
        std::shared_ptr<MonitorClock> clock = std::make_shared<SystemMonitorClock>());

    // Stops the thread (a sleep ends at once, a walk before its next read) and joins it; then
    // closes both queues so that a consumer still waiting on them wakes up.
    ~AccessibilityDeckMonitor() override;

    AccessibilityDeckMonitor(const AccessibilityDeckMonitor&) = delete;
    AccessibilityDeckMonitor& operator=(const AccessibilityDeckMonitor&) = delete;

    std::shared_ptr<EventQueue<DeckState>> deckStateUpdates() const override {
        return m_deckStates;
    }
    std::shared_ptr<EventQueue<RekordboxRestart>> rekordboxDidRestart() const override {
        return m_restarts;
    }

    void setKeyNotation(metadata::KeyNotationOptions keyNotation) override {
        m_poller.setKeyNotation(keyNotation);
    }

    const Configuration& configuration() const { return m_configuration; }

    static bool hasAccessibilityPermission(AccessibilityPlatform& platform);
    // Shows the system's permission prompt when access is missing; the answer is not used.
    static void requestAccessibilityPermission(AccessibilityPlatform& platform);

private:
    void run(std::stop_token stop);
    // Sleeps until `deadline`, acting on events as they come when asked to.
    void waitUntil(std::chrono::system_clock::time_point deadline, std::stop_token stop,
                   bool serveEvents);
    void publish(DeckPoller::Outcome outcome);

    Configuration m_configuration;
    std::shared_ptr<AccessibilityPlatform> m_platform;
    std::shared_ptr<MonitorClock> m_clock;
    std::shared_ptr<EventQueue<DeckState>> m_deckStates;
    std::shared_ptr<EventQueue<RekordboxRestart>> m_restarts;
    // Touched only by the polling thread once it runs.
    DeckPoller m_poller;
    // Last, so that it is stopped and joined before anything it uses is destroyed.
    std::jthread m_thread;
};

} // namespace cuevox::decks
