#include "decks/DeckPoller.hpp"

#include <algorithm>
#include <utility>

// The events half of DeckPoller: what the application reports, and the reads it calls for.
namespace cuevox::decks {

using Element = AccessibilityPlatform::Element;

void DeckPoller::absorb(EventInbox::Taken taken) {
    const TimePoint now = m_clock.now();
    const auto mark = [&](DeckIdentifier deck, bool playback) {
        DeckEvents& events = m_deckEvents[deck];
        events.dirtySince = events.dirtySince.value_or(now);
        (playback ? events.playback : events.block) = true;
    };
    for (const EventInbox::Posted& posted : taken.events) {
        // An event of a process that quit belongs to elements that are gone.
        if (posted.processIdentifier != m_lastKnownPID) {
            continue;
        }
        m_eventsArrived = true;
        const Element& element = posted.event.element;
        if (!m_layout || !element) {
            continue;
        }
        using Kind = AccessibilityPlatform::Event::Kind;
        switch (posted.event.kind) {
        case Kind::valueChanged:
            for (const DeckLayout::Deck& deck : m_layout->decks()) {
                if (holds(deck.blockElements, element)) {
                    mark(deck.deck, false);
                }
                if (holds(deck.followingElements, element)) {
                    mark(deck.deck, true);
                }
            }
            break;
        case Kind::childrenChanged:
        case Kind::destroyed:
            if (m_layout->holds(element, m_platform)) {
                m_walkDueSince = m_walkDueSince.value_or(now);
            }
            break;
        case Kind::created:
            // A new element has no place among the remembered ones; its parent's change of
            // children, or the next full walk, tells where it went.
            break;
        }
    }
    // What was lost may have concerned any deck.
    if (taken.overflowed && m_layout) {
        for (const DeckLayout::Deck& deck : m_layout->decks()) {
            mark(deck.deck, false);
        }
    }
}

std::optional<std::vector<std::string>>
DeckPoller::readPlaybackTexts(GuardedReader& reader, const DeckLayout::Deck& deck) {
    std::vector<std::string> texts;
    for (const Element& element : deck.followingElements) {
        AttributeRead<std::string> value = reader.string(element, "AXValue");
        if (!value) {
            return std::nullopt;
        }
        texts.push_back(std::move(*value));
    }
    return texts;
}

std::optional<DeckState> DeckPoller::eventState(const ObservedDeck& observed,
                                                std::optional<bool> playing) {
    const TimePoint now = m_clock.now();
    const auto known = m_lastKnownStates.find(observed.deck);
    std::optional<DeckState> state;
    if (const auto& candidate = observed.slot.candidate) {
        metadata::Track track = provisionalTrack(*candidate);
        const bool sameTrack = known != m_lastKnownStates.end() && known->second.track == track;
        // A load moves the times too: a new track is paused until its times move on.
        const bool isPlaying = sameTrack && playing.value_or(known->second.isPlaying);
        if (!sameTrack) {
            m_deckEvents[observed.deck].pausedAfter.reset();
        }
        state = DeckState{observed.deck, std::move(track), isPlaying, false, std::nullopt, now};
    } else if (known != m_lastKnownStates.end() && known->second.track) {
        m_deckEvents[observed.deck].pausedAfter.reset();
        state = DeckState{observed.deck, std::nullopt, false, false, std::nullopt, now};
    }
    if (!state || (known != m_lastKnownStates.end() && known->second == *state)) {
        return std::nullopt;
    }
    return state;
}

DeckPoller::Outcome DeckPoller::handleEvents(std::stop_token stop) {
    absorb(m_inbox.take());
    Outcome outcome;
    if (!m_layout) {
        return outcome;
    }
    const TimePoint now = m_clock.now();
    const auto gap = clockInterval(m_configuration.playbackSampleGap);
    const auto due = [&](const std::optional<TimePoint>& since) {
        return since && now - *since >= kCoalescingDelay;
    };
    const WalkLimits limits{stop, &m_clock, now + kMaxPollTime};
    GuardedReader reader(m_platform, limits);
    bool walk = due(m_walkDueSince);
    for (const DeckLayout::Deck& deck : m_layout->decks()) {
        DeckEvents& events = m_deckEvents[deck.deck];
        const bool batch = due(events.dirtySince);
        const bool check = !events.dirtySince && events.pausedAfter && now >= *events.pausedAfter;
        if (walk || (!batch && !check)) {
            continue;
        }
        const bool moving = std::exchange(events.playback, false);
        const bool blockChanged = std::exchange(events.block, false);
        events.dirtySince.reset();
        const auto known = m_lastKnownStates.find(deck.deck);
        // While it plays, its times alone tell whether it goes on: two reads, not the deck's.
        if (!blockChanged && known != m_lastKnownStates.end() && known->second.isPlaying) {
            std::optional<std::vector<std::string>> texts = readPlaybackTexts(reader, deck);
            if (!texts) {
                if (reader.gaveUp()) {
                    return outcome;
                }
                walk = true;
            } else if (moving || *texts != events.following) {
                events.pausedAfter = now + gap;
                events.following = std::move(*texts);
            } else {
                events.pausedAfter.reset();
                DeckState paused = known->second;
                paused.isPlaying = false;
                paused.updatedAt = now;
                publish(std::move(paused), outcome);
            }
            continue;
        }
        std::optional<ObservedDeck> observed = readDeck(reader, deck);
        if (!observed) {
            if (reader.gaveUp()) {
                return outcome;
            }
            walk = true;
            continue;
        }
        std::vector<std::string> texts = observed->following;
        // A time that changed says the deck plays; the same times a gap after the last change
        // say it stopped, as two samples of a poll would.
        std::optional<bool> playing;
        if (moving || (check && texts != events.following)) {
            playing = true;
            events.pausedAfter = now + gap;
        } else if (check) {
            playing = false;
            events.pausedAfter.reset();
        }
        events.following = std::move(texts);
        if (std::optional<DeckState> state = eventState(*observed, playing)) {
            publish(std::move(*state), outcome);
        }
        remember({*observed});
    }
    if (walk) {
        // The window changed under a poll under way: its first sample no longer holds.
        m_firstSample.reset();
        m_walkDueSince.reset();
        for (auto& [deck, events] : m_deckEvents) {
            events.dirtySince.reset();
            events.block = events.playback = false;
        }
        const Element window = firstWindow(reader);
        if (const std::optional<Sample> sample = window ? fullWalk(reader, window) : std::nullopt) {
            for (const ObservedDeck& observed : *sample) {
                if (std::optional<DeckState> state = eventState(observed, std::nullopt)) {
                    publish(std::move(*state), outcome);
                }
            }
        }
    }
    std::ranges::stable_sort(outcome.changedStates, {}, &DeckState::deck);
    return outcome;
}

std::optional<DeckPoller::TimePoint> DeckPoller::nextEventDeadline() const {
    std::optional<TimePoint> next;
    const auto consider = [&](std::optional<TimePoint> at) {
        if (at && (!next || *at < *next)) {
            next = at;
        }
    };
    const auto coalesced = [](const std::optional<TimePoint>& since) {
        return since ? std::optional(*since + kCoalescingDelay) : std::nullopt;
    };
    consider(coalesced(m_walkDueSince));
    for (const auto& [deck, events] : m_deckEvents) {
        consider(coalesced(events.dirtySince));
        consider(events.pausedAfter);
    }
    return next;
}

bool DeckPoller::eventsPending() const {
    return m_walkDueSince || std::ranges::any_of(m_deckEvents, [](const auto& entry) {
               return entry.second.dirtySince.has_value();
           });
}

} // namespace cuevox::decks
