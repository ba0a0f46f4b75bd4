#pragma once

#include "decks/EventQueue.hpp"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace cuevox::state {

// Asks whether accessibility is permitted on a thread of its own: at once, then again after
// the wait for the last answer, and at once after each request. The check may wait on the
// accessibility service (over AT-SPI, a bus call and the backend's lock, which a poll of a
// frozen application holds), so it never runs on the main thread, which only takes answers.
class PermissionPoller {
public:
    struct Intervals {
        std::chrono::milliseconds whileMissing;
        std::chrono::milliseconds whileGranted;
    };

    PermissionPoller(std::function<bool()> check, Intervals intervals);
    // Stops the thread, waking it from its wait, and joins it.
    ~PermissionPoller();

    PermissionPoller(const PermissionPoller&) = delete;
    PermissionPoller& operator=(const PermissionPoller&) = delete;

    // One answer per check, in order, pushed from the poller's thread.
    const std::shared_ptr<decks::EventQueue<bool>>& answers() const { return m_answers; }

    // Runs `request` (the system's permission prompt) on the poller's thread, then checks again.
    void request(std::function<void()> request);

private:
    void run(std::stop_token stop);

    std::function<bool()> m_check;
    Intervals m_intervals;
    std::shared_ptr<decks::EventQueue<bool>> m_answers =
        std::make_shared<decks::EventQueue<bool>>();
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::vector<std::function<void()>> m_requests;
    // Last, so that it is stopped and joined before anything it uses is destroyed.
    std::jthread m_thread;
};

} // namespace cuevox::state
