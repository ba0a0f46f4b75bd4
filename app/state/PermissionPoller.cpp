#include "state/PermissionPoller.hpp"

namespace cuevox::state {

PermissionPoller::PermissionPoller(std::function<bool()> check, Intervals intervals)
    : m_check(std::move(check)), m_intervals(intervals),
      m_thread([this](std::stop_token stop) { run(std::move(stop)); }) {}

PermissionPoller::~PermissionPoller() {
    m_thread.request_stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void PermissionPoller::request(std::function<void()> request) {
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(std::move(request));
    }
    m_wake.notify_one();
}

void PermissionPoller::run(std::stop_token stop) {
    while (!stop.stop_requested()) {
        const bool granted = m_check();
        m_answers->push(granted);
        std::vector<std::function<void()>> requests;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, stop,
                            granted ? m_intervals.whileGranted : m_intervals.whileMissing,
                            [this] { return !m_requests.empty(); });
            requests.swap(m_requests);
        }
        if (stop.stop_requested()) {
            return;
        }
        for (const auto& request : requests) {
            request();
        }
    }
}

} // namespace cuevox::state
