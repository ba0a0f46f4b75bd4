#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckState.hpp"
#include "decks/MonitorClock.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace cuevox::decks {

// When a walk of a window gives up: at a stop request, or once `clock` (when given) reads
// `deadline` or later.
struct WalkLimits {
    std::stop_token stop;
    MonitorClock* clock = nullptr;
    std::chrono::system_clock::time_point deadline;
};

// One poll of rekordbox's window, and the memory between polls of what was last published.
// The deck monitor runs it on its thread; tests run it directly against a fake platform.
class DeckPoller {
public:
    static constexpr std::size_t kMaxWalkDepth = 60;
    static constexpr std::size_t kPlaybackWindowSize = 4;
    // Far above what reading a window takes (tens of milliseconds): an application that answers
    // this slowly is as good as frozen, and a poll that takes longer reads as no window.
    static constexpr std::chrono::seconds kMaxPollTime{2};

    // What one poll found and what it publishes, in publication order.
    struct Outcome {
        // rekordbox was found running with access granted.
        bool active = false;
        // rekordbox runs under a new process id; signalled before `changedStates`.
        bool restarted = false;
        std::vector<DeckState> changedStates;
    };

    // Borrows the platform and the clock: they must outlive the poller.
    DeckPoller(DeckMonitorConfiguration configuration, AccessibilityPlatform& platform,
               MonitorClock& clock);

    // A stop request, a read that finds rekordbox not answering, or kMaxPollTime passing on the
    // clock ends the poll at the next read, and it then reads as no window.
    Outcome pollOnce(std::stop_token stop = {});

    // Which notations a deck's key text may be in; from any thread, for the next poll.
    void setKeyNotation(metadata::KeyNotationOptions keyNotation) { m_keyNotation = keyNotation; }

    const std::map<DeckIdentifier, DeckState>& lastKnownStates() const { return m_lastKnownStates; }
    std::optional<AccessibilityPlatform::ProcessID> lastKnownRekordboxPID() const {
        return m_lastKnownPID;
    }

    // The values of the static texts under `root`, depth-first in tree order, visiting
    // depths 0 to maxDepth - 1; nothing when the walk gave up at a limit or at a read that
    // found the application not answering.
    static std::optional<std::vector<std::string>>
    collectStaticTextValues(AccessibilityPlatform& platform,
                            const AccessibilityPlatform::Element& root, std::size_t maxDepth,
                            const WalkLimits& limits = {});

private:
    DeckMonitorConfiguration m_configuration;
    AccessibilityPlatform& m_platform;
    MonitorClock& m_clock;
    std::atomic<metadata::KeyNotationOptions> m_keyNotation;
    std::map<DeckIdentifier, DeckState> m_lastKnownStates;
    std::optional<AccessibilityPlatform::ProcessID> m_lastKnownPID;
};

} // namespace cuevox::decks
