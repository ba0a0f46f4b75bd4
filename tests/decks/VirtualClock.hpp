#pragma once

#include "decks/MonitorClock.hpp"

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

namespace cuevox::decks::tests {

// Never waits: a sleep moves virtual time on and runs a hook, which is where a test changes
// the screen between the two samples of a poll.
class VirtualClock final : public MonitorClock {
public:
    std::function<void()> onSleep;

    std::chrono::system_clock::time_point now() override {
        std::lock_guard lock(m_mutex);
        return m_now;
    }

    void sleepFor(std::chrono::nanoseconds duration, std::stop_token) override {
        {
            std::lock_guard lock(m_mutex);
            m_sleeps.push_back(duration);
            m_now += std::chrono::duration_cast<std::chrono::system_clock::duration>(duration);
        }
        if (onSleep) {
            onSleep();
        }
    }

    // Time passing while the monitor works, as in a slow read.
    void advance(std::chrono::nanoseconds duration) {
        std::lock_guard lock(m_mutex);
        m_now += std::chrono::duration_cast<std::chrono::system_clock::duration>(duration);
    }

    std::vector<std::chrono::nanoseconds> sleeps() const {
        std::lock_guard lock(m_mutex);
        return m_sleeps;
    }

private:
    mutable std::mutex m_mutex;
    std::chrono::system_clock::time_point m_now{std::chrono::seconds(1'700'000'000)};
    std::vector<std::chrono::nanoseconds> m_sleeps;
};

} // namespace cuevox::decks::tests
