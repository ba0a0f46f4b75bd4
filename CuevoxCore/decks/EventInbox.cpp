#include "decks/EventInbox.hpp"

#include <utility>

namespace cuevox::decks {

void EventInbox::post(Posted posted) {
    std::unique_lock lock(m_mutex);
    if (m_events.size() < kCapacity) {
        m_events.push_back(std::move(posted));
    } else {
        m_overflowed = true;
    }
    if (m_wake != nullptr) {
        m_wake->request_stop();
    }
    lock.unlock();
    // A dropped event's element is released here, outside the lock: a backend may take its
    // own lock to release it.
}

EventInbox::Taken EventInbox::take() {
    std::lock_guard lock(m_mutex);
    Taken taken{std::move(m_events), std::exchange(m_overflowed, false)};
    m_events.clear();
    return taken;
}

std::size_t EventInbox::size() const {
    std::lock_guard lock(m_mutex);
    return m_events.size();
}

void EventInbox::arm(std::stop_source& wake) {
    std::lock_guard lock(m_mutex);
    m_wake = &wake;
    if (!m_events.empty() || m_overflowed) {
        wake.request_stop();
    }
}

void EventInbox::disarm() {
    std::lock_guard lock(m_mutex);
    m_wake = nullptr;
}

} // namespace cuevox::decks
