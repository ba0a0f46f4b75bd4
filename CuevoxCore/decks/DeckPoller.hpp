#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/DeckLayout.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckState.hpp"
#include "decks/EventInbox.hpp"
#include "decks/GuardedReader.hpp"
#include "decks/MonitorClock.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stop_token>
#include <string>
#include <vector>

namespace cuevox::decks {

// One poll of rekordbox's window, and the memory between polls of what was last published
// and where the decks are. A full walk finds the decks and remembers their elements; later
// samples read those alone, and the events rekordbox reports re-read a deck at once. The deck
// monitor runs it on its thread; tests run it directly against a fake platform.
class DeckPoller {
public:
    using TimePoint = std::chrono::system_clock::time_point;

    static constexpr std::size_t kMaxWalkDepth = 60;
    static constexpr std::size_t kPlaybackWindowSize = 4;
    // Far above what reading a window takes (tens of milliseconds): an application that answers
    // this slowly is as good as frozen, and a poll that takes longer reads as no window.
    static constexpr std::chrono::seconds kMaxPollTime{2};
    // A full walk at least this often however well the remembered decks read, so that decks
    // that appear (two becoming four) are found.
    static constexpr std::chrono::seconds kFullWalkInterval{3};
    // A load changes four texts within a millisecond: their events are read as one.
    static constexpr std::chrono::milliseconds kCoalescingDelay{10};
    // Once events arrive, polls are a safety net and come this many times less often.
    static constexpr int kEventfulPollFactor = 4;

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
    ~DeckPoller();

    DeckPoller(const DeckPoller&) = delete;
    DeckPoller& operator=(const DeckPoller&) = delete;

    // A stop request, a read that finds rekordbox not answering, or kMaxPollTime passing on the
    // clock ends the poll at the next read, and it then reads as no window.
    Outcome pollOnce(std::stop_token stop = {});
    // pollOnce in two halves, so that a caller can do other work during the gap between the
    // two samples: the first sample, then, when secondSampleAt says so, the second.
    Outcome startPoll(std::stop_token stop = {});
    std::optional<std::chrono::system_clock::time_point> secondSampleAt() const {
        return m_secondSampleAt;
    }
    Outcome finishPoll(std::stop_token stop = {});

    // Takes the events that arrived and acts on those that are due: a deck whose texts changed
    // is read again once kCoalescingDelay has passed; a deck whose times stopped moving for the
    // playback sample gap is paused; a change of structure around the decks walks the window.
    Outcome handleEvents(std::stop_token stop = {});
    // When handleEvents next has work; nothing while it only waits for events.
    std::optional<TimePoint> nextEventDeadline() const;
    // Events wait for their coalescing delay: a sleep until then need not wake for more.
    bool eventsPending() const;
    // Whether events arrived from the process watched now.
    bool eventsArrived() const { return m_eventsArrived; }
    EventInbox& inbox() { return m_inbox; }

    // Which notations a deck's key text may be in; from any thread, for the next poll.
    void setKeyNotation(metadata::KeyNotationOptions keyNotation) { m_keyNotation = keyNotation; }

    const std::map<DeckIdentifier, DeckState>& lastKnownStates() const { return m_lastKnownStates; }
    std::optional<AccessibilityPlatform::ProcessID> lastKnownRekordboxPID() const {
        return m_lastKnownPID;
    }
    const std::optional<DeckLayout>& layout() const { return m_layout; }

    // The values of the static texts under `root` that the deck scan reads (those inside a
    // table, outline, row or cell are left out), depth-first in tree order, visiting depths 0
    // to maxDepth - 1; nothing when the walk gave up at a limit or at a read that found the
    // application not answering.
    static std::optional<std::vector<std::string>>
    collectStaticTextValues(AccessibilityPlatform& platform,
                            const AccessibilityPlatform::Element& root, std::size_t maxDepth,
                            const WalkLimits& limits = {});

private:
    // One deck as one sample read it.
    struct ObservedDeck {
        DeckIdentifier deck;
        AccessibilityTrackPatternMatcher::DeckSlotState slot;
        std::vector<std::string> following;
    };
    using Sample = std::vector<ObservedDeck>;
    // What events tell of one deck.
    struct DeckEvents {
        // A batch of events waits for its coalescing delay.
        std::optional<TimePoint> dirtySince;
        // The batch holds a change of a block text; of a text after the block that is no deck's
        // own text.
        bool block = false;
        bool playback = false;
        // Playing as the events tell: read again then, and paused if no time moved.
        std::optional<TimePoint> pausedAfter;
        // The texts after the block as the last read on an event found them.
        std::vector<std::string> following;
    };

    metadata::Track provisionalTrack(const DeckTrackCandidate& candidate) const;
    bool holds(const std::vector<AccessibilityPlatform::Element>& elements,
               const AccessibilityPlatform::Element& element) const;
    void forgetProcess();
    void follow(AccessibilityPlatform::ProcessID pid);
    AccessibilityPlatform::Element firstWindow(GuardedReader& reader);
    std::optional<Sample> fullWalk(GuardedReader& reader,
                                   const AccessibilityPlatform::Element& window);
    std::optional<Sample> readLayout(GuardedReader& reader);
    std::optional<ObservedDeck> readDeck(GuardedReader& reader, const DeckLayout::Deck& deck);
    void remember(const Sample& sample);
    void absorb(EventInbox::Taken taken);
    void publish(DeckState state, Outcome& outcome);
    // The state a read on an event shows; `playing` when the read could tell.
    std::optional<DeckState> eventState(const ObservedDeck& observed, std::optional<bool> playing);
    std::optional<std::vector<std::string>> readPlaybackTexts(GuardedReader& reader,
                                                              const DeckLayout::Deck& deck);

    DeckMonitorConfiguration m_configuration;
    AccessibilityPlatform& m_platform;
    MonitorClock& m_clock;
    std::atomic<metadata::KeyNotationOptions> m_keyNotation;
    std::map<DeckIdentifier, DeckState> m_lastKnownStates;
    std::optional<AccessibilityPlatform::ProcessID> m_lastKnownPID;
    AccessibilityPlatform::Element m_application;
    // The window the layout was found in, and the one this poll reads.
    AccessibilityPlatform::Element m_window;
    AccessibilityPlatform::Element m_pollWindow;
    std::optional<DeckLayout> m_layout;
    DeckLayout::Places m_places;
    TimePoint m_lastFullWalk;
    std::map<DeckIdentifier, DeckEvents> m_deckEvents;
    std::optional<TimePoint> m_walkDueSince;
    // Between the two halves of a poll.
    std::optional<Sample> m_firstSample;
    std::optional<TimePoint> m_secondSampleAt;
    std::set<DeckIdentifier> m_readDuringPoll;
    WalkLimits m_pollLimits;
    bool m_eventsArrived = false;
    EventInbox m_inbox;
    std::optional<AccessibilityPlatform::ProcessID> m_subscribedPID;
    // Last: dropped first, so that no event is posted into a poller that is going.
    std::unique_ptr<AccessibilityPlatform::Subscription> m_subscription;
};

} // namespace cuevox::decks
