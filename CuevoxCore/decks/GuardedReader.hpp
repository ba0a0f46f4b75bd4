#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/MonitorClock.hpp"

#include <chrono>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::decks {

// When reading gives up: at a stop request, or once `clock` (when given) reads `deadline` or
// later.
struct WalkLimits {
    std::stop_token stop;
    MonitorClock* clock = nullptr;
    std::chrono::system_clock::time_point deadline;
};

// Reads that give up for good at a stop request, at the deadline, or at the first read that
// finds the application not answering: each read of a frozen application costs the backend's
// whole timeout, and a walk makes hundreds.
class GuardedReader {
public:
    // Borrows both: they must outlive the reader.
    GuardedReader(AccessibilityPlatform& platform, const WalkLimits& limits)
        : m_platform(platform), m_limits(limits) {}

    bool gaveUp() const { return m_gaveUp; }
    AccessibilityPlatform& platform() const { return m_platform; }

    AttributeRead<std::string> string(const AccessibilityPlatform::Element& element,
                                      std::string_view attribute) {
        return guarded([&] { return m_platform.stringAttribute(element, attribute); });
    }
    AttributeRead<std::vector<AccessibilityPlatform::Element>>
    elements(const AccessibilityPlatform::Element& element, std::string_view attribute) {
        return guarded([&] { return m_platform.elementsAttribute(element, attribute); });
    }

private:
    template <typename Read>
    auto guarded(Read read) -> decltype(read()) {
        m_gaveUp = m_gaveUp || m_limits.stop.stop_requested() || pastDeadline();
        if (m_gaveUp) {
            return std::nullopt;
        }
        auto result = read();
        m_gaveUp = result.isNotAnswering();
        return result;
    }

    // Out of line, so that the reads around it stay inlined into the walk.
    [[gnu::noinline]] bool pastDeadline() const {
        return m_limits.clock != nullptr && m_limits.clock->now() >= m_limits.deadline;
    }

    AccessibilityPlatform& m_platform;
    const WalkLimits& m_limits;
    bool m_gaveUp = false;
};

} // namespace cuevox::decks
