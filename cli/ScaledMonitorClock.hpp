#pragma once

#include "decks/MonitorClock.hpp"

#include <chrono>
#include <stop_token>

namespace cuevox::cli {

// Time that runs `speed` times as fast as the wall clock from the moment of construction, so
// that a simulated set of minutes plays in seconds; the monitor's sleeps shrink to match, and
// its intervals stay the real ones in simulated time. Safe to read from any thread.
class ScaledMonitorClock final : public decks::MonitorClock {
public:
    // `speed` must be positive and finite.
    explicit ScaledMonitorClock(double speed);

    // Simulated seconds since construction.
    double elapsedSeconds() const;
    // Simulated seconds from construction to a moment this clock gave.
    double secondsAt(std::chrono::system_clock::time_point moment) const;
    // The wall-clock moment at which `seconds` of simulated time will have passed.
    std::chrono::steady_clock::time_point wallTimeAt(double seconds) const;

    std::chrono::system_clock::time_point now() override;
    void sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) override;

private:
    double m_speed;
    std::chrono::steady_clock::time_point m_wallStart;
    std::chrono::system_clock::time_point m_start;
    decks::SystemMonitorClock m_wall;
};

} // namespace cuevox::cli
