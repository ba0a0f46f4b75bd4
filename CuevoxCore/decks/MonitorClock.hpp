#pragma once

#include <chrono>
#include <stop_token>

namespace cuevox::decks {

// Time as the deck monitor sees it: the moment stamped on a deck state, and its sleeps.
// Tests give it a virtual clock so that no test waits for real intervals.
class MonitorClock {
public:
    virtual ~MonitorClock() = default;

    virtual std::chrono::system_clock::time_point now() = 0;

    // Returns after `duration`, or as soon as `stop` is requested.
    virtual void sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) = 0;
};

// The wall clock; sleeps wait on a condition variable, so a stop request ends them at once.
class SystemMonitorClock final : public MonitorClock {
public:
    std::chrono::system_clock::time_point now() override;
    void sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) override;
};

} // namespace cuevox::decks
