#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <utility>

namespace cuevox::decks {

// An unbounded first-in first-out channel from one producing thread to a consumer, which
// either blocks on it or is notified of each element (to hand it to a main thread).
template <typename T>
class EventQueue {
public:
    using Clock = std::chrono::steady_clock;

    void push(T value) {
        {
            std::lock_guard lock(m_mutex);
            if (m_closed) {
                return;
            }
            m_elements.push_back(std::move(value));
            ++m_unnotified;
        }
        m_available.notify_one();
        deliverNotifications();
    }

    std::optional<T> tryPop() {
        std::lock_guard lock(m_mutex);
        return popLocked();
    }

    // The next element; nothing once stop is requested, the deadline passes, or the queue is
    // closed and drained.
    std::optional<T> waitPop(std::stop_token stop,
                             Clock::time_point deadline = Clock::time_point::max()) {
        std::unique_lock lock(m_mutex);
        const auto ready = [this] { return !m_elements.empty() || m_closed; };
        if (deadline == Clock::time_point::max()) {
            m_available.wait(lock, stop, ready);
        } else {
            m_available.wait_until(lock, stop, deadline, ready);
        }
        return popLocked();
    }

    // `notify` runs on the producing thread once per element, after it is queued, in queue
    // order; elements already waiting are notified at once. It must not set a notifier.
    void setNotifier(std::function<void()> notify) {
        {
            std::lock_guard notifyLock(m_notifyMutex);
            std::lock_guard lock(m_mutex);
            m_notify = std::move(notify);
        }
        deliverNotifications();
    }

    // Wakes every waiter; later pushes are dropped, waiting elements can still be popped.
    void close() {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_available.notify_all();
    }

    std::size_t size() const {
        std::lock_guard lock(m_mutex);
        return m_elements.size();
    }

private:
    std::optional<T> popLocked() {
        if (m_elements.empty()) {
            return std::nullopt;
        }
        std::optional<T> front(std::move(m_elements.front()));
        m_elements.pop_front();
        return front;
    }

    // Serialised, so each element is announced exactly once even when a notifier is set
    // while the producer pushes.
    void deliverNotifications() {
        std::lock_guard notifyLock(m_notifyMutex);
        std::size_t count = 0;
        {
            std::lock_guard lock(m_mutex);
            if (!m_notify) {
                return;
            }
            count = std::exchange(m_unnotified, 0);
        }
        for (std::size_t i = 0; i < count; ++i) {
            m_notify();
        }
    }

    mutable std::mutex m_mutex;
    std::condition_variable_any m_available;
    std::deque<T> m_elements;
    bool m_closed = false;
    std::mutex m_notifyMutex;
    std::function<void()> m_notify;
    std::size_t m_unnotified = 0;
};

} // namespace cuevox::decks
