#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <cstddef>
#include <mutex>
#include <stop_token>
#include <vector>

namespace cuevox::decks {

// Events on their way from the backend's thread to the monitor's. Bounded: an application
// that floods events holds kCapacity of them at most; past that only the loss is kept, and
// the monitor then reads every deck again.
class EventInbox {
public:
    static constexpr std::size_t kCapacity = 4096;

    struct Posted {
        AccessibilityPlatform::ProcessID processIdentifier = 0;
        AccessibilityPlatform::Event event;
    };
    struct Taken {
        std::vector<Posted> events;
        bool overflowed = false;
    };

    // From any thread.
    void post(Posted posted);
    // Everything posted since the last take, in order.
    Taken take();
    std::size_t size() const;

    // The next post requests a stop of `wake` (at once when events wait), so that a sleep on
    // its token ends; until disarm, which must come before `wake` is destroyed.
    void arm(std::stop_source& wake);
    void disarm();

private:
    mutable std::mutex m_mutex;
    std::vector<Posted> m_events;
    bool m_overflowed = false;
    std::stop_source* m_wake = nullptr;
};

} // namespace cuevox::decks
