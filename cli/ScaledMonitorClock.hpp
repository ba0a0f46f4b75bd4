#pragma once

#include "decks/MonitorClock.hpp"

#include <atomic>
#include <chrono>
#include <stop_token>

namespace cuevox::cli {

// Simulated time for a monitor run: it stands still while the monitor works and moves on by
// exactly what the monitor sleeps, while the real sleep lasts that time divided by `speed`.
// A run is then the same on a busy machine as on an idle one, only slower, and a simulated
// window never changes in the middle of a walk. Safe to read from any thread; only the
// monitor's thread sleeps on it.
class ScaledMonitorClock final : public decks::MonitorClock {
public:
    // `speed` must be positive and finite.
    explicit ScaledMonitorClock(double speed);

    // Simulated seconds since construction.
    double elapsedSeconds() const { return m_elapsed.load(); }
    // Simulated seconds from construction to a moment this clock gave.
    double secondsAt(std::chrono::system_clock::time_point moment) const;

    std::chrono::system_clock::time_point now() override;
    void sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) override;

private:
    double m_speed;
    std::chrono::system_clock::time_point m_start;
    std::atomic<double> m_elapsed{0};
    decks::SystemMonitorClock m_wall;
};

} // namespace cuevox::cli
