#include "decks/MonitorClock.hpp"

#include <condition_variable>
#include <mutex>

namespace cuevox::decks {

std::chrono::system_clock::time_point SystemMonitorClock::now() {
    return std::chrono::system_clock::now();
}

void SystemMonitorClock::sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) {
    std::mutex mutex;
    std::condition_variable_any wakeUp;
    std::unique_lock lock(mutex);
    const auto never = [] { return false; };
    // Nothing else notifies: only the stop request or the timeout ends the wait. A deadline
    // past the clock's range would overflow, and waiting for the stop is the same thing.
    const auto start = std::chrono::steady_clock::now();
    if (duration >= std::chrono::steady_clock::time_point::max() - start) {
        wakeUp.wait(lock, stop, never);
    } else {
        wakeUp.wait_until(lock, stop, start + duration, never);
    }
}

} // namespace cuevox::decks
