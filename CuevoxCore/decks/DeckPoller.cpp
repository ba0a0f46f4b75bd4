#include "decks/DeckPoller.hpp"

#include "decks/AccessibilityPlaybackHeuristic.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/WindowWalk.hpp"
#include "metadata/MusicalKeyConverter.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

namespace cuevox::decks {
namespace {

using AccessibilityTrackPatternMatcher::DeckSlotState;
using Element = AccessibilityPlatform::Element;

bool sameTrackTexts(const DeckTrackCandidate& a, const DeckTrackCandidate& b) {
    return a.title == b.title && a.artist == b.artist;
}

} // namespace

namespace {

// The n-th deck of the second sample showing the same title and artist, where this is the
// n-th such deck of the first: a track loaded on two decks keeps each deck's own reading.
template <typename Sample>
auto counterpartInSecondSample(const Sample& first, std::size_t index, const Sample& second)
    -> const typename Sample::value_type* {
    const DeckTrackCandidate& candidate = *first[index].slot.candidate;
    const auto occurrence = std::count_if(
        first.begin(), first.begin() + static_cast<std::ptrdiff_t>(index), [&](const auto& deck) {
            return deck.slot.candidate && sameTrackTexts(*deck.slot.candidate, candidate);
        });
    std::ptrdiff_t seen = 0;
    for (const auto& deck : second) {
        if (deck.slot.candidate && sameTrackTexts(*deck.slot.candidate, candidate) &&
            seen++ == occurrence) {
            return &deck;
        }
    }
    return nullptr;
}

} // namespace

DeckPoller::DeckPoller(DeckMonitorConfiguration configuration, AccessibilityPlatform& platform,
                       MonitorClock& clock)
    : m_configuration(std::move(configuration)), m_platform(platform), m_clock(clock),
      m_keyNotation(m_configuration.keyNotation) {}

DeckPoller::~DeckPoller() = default;

std::optional<std::vector<std::string>>
DeckPoller::collectStaticTextValues(AccessibilityPlatform& platform, const Element& root,
                                    std::size_t maxDepth, const WalkLimits& limits) {
    GuardedReader reader(platform, limits);
    const std::optional<WindowWalk> walk = WindowWalk::of(reader, root, maxDepth);
    if (!walk) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const std::size_t index : walk->deckTextIndices()) {
        texts.push_back(*walk->elements[index].value);
    }
    return texts;
}

// What the deck shows, as a track that is not (yet) a collection track.
metadata::Track DeckPoller::provisionalTrack(const DeckTrackCandidate& candidate) const {
    metadata::Track track;
    track.id = candidate.artist + "::" + candidate.title;
    track.title = candidate.title;
    track.artist = candidate.artist;
    track.bpm = candidate.bpm;
    track.musicalKey = candidate.rawKey;
    track.camelotKey =
        metadata::MusicalKeyConverter::parseAnyKeyNotation(candidate.rawKey, m_keyNotation);
    return track;
}

bool DeckPoller::holds(const std::vector<Element>& elements, const Element& element) const {
    return std::ranges::any_of(
        elements, [&](const Element& held) { return m_platform.sameElement(held, element); });
}

void DeckPoller::forgetProcess() {
    m_subscription.reset();
    m_subscribedPID.reset();
    m_application.reset();
    m_window.reset();
    m_layout.reset();
    m_places.clear();
    m_deckEvents.clear();
    m_walkDueSince.reset();
    m_eventsArrived = false;
    m_inbox.take();
}

void DeckPoller::follow(AccessibilityPlatform::ProcessID pid) {
    if (!m_configuration.followEvents) {
        return;
    }
    if (m_subscribedPID == pid) {
        if (m_subscription) {
            m_subscription->retry();
        }
        return;
    }
    m_subscription.reset();
    m_subscribedPID = pid;
    m_subscription = m_platform.subscribe(pid, m_application, [inbox = &m_inbox, pid](auto event) {
        inbox->post({pid, std::move(event)});
    });
}

AccessibilityPlatform::Element DeckPoller::firstWindow(GuardedReader& reader) {
    const auto windows = reader.elements(m_application, "AXWindows");
    return windows && !windows->empty() ? windows->front() : nullptr;
}

std::optional<DeckPoller::Sample> DeckPoller::fullWalk(GuardedReader& reader,
                                                       const Element& window) {
    const std::optional<WindowWalk> walk = WindowWalk::of(reader, window, kMaxWalkDepth);
    if (!walk) {
        return std::nullopt;
    }
    m_window = window;
    m_layout = DeckLayout::fromWalk(*walk, m_places, m_platform, m_keyNotation);
    m_lastFullWalk = m_clock.now();
    Sample sample;
    for (const DeckLayout::Deck& deck : m_layout->decks()) {
        sample.push_back({deck.deck, deck.slot, deck.following});
    }
    return sample;
}

std::optional<DeckPoller::ObservedDeck> DeckPoller::readDeck(GuardedReader& reader,
                                                             const DeckLayout::Deck& deck) {
    const auto read = [&](const std::vector<Element>& elements) {
        std::optional<std::vector<std::string>> texts(std::in_place);
        for (const Element& element : elements) {
            AttributeRead<std::string> value = reader.string(element, "AXValue");
            if (!value) {
                return std::optional<std::vector<std::string>>();
            }
            texts->push_back(std::move(*value));
        }
        return texts;
    };
    const auto block = read(deck.blockElements);
    // Gone, or no longer the deck it was: only a full walk can tell what the window shows now.
    if (!block) {
        return std::nullopt;
    }
    std::vector<DeckSlotState> slots =
        AccessibilityTrackPatternMatcher::extractDeckSlots(*block, m_keyNotation);
    if (slots.size() != 1 || slots.front().isLoaded() != deck.slot.isLoaded()) {
        return std::nullopt;
    }
    auto following = read(deck.followingElements);
    if (!following) {
        return std::nullopt;
    }
    return ObservedDeck{deck.deck, std::move(slots.front()), std::move(*following)};
}

std::optional<DeckPoller::Sample> DeckPoller::readLayout(GuardedReader& reader) {
    Sample sample;
    for (const DeckLayout::Deck& deck : m_layout->decks()) {
        std::optional<ObservedDeck> observed = readDeck(reader, deck);
        if (!observed) {
            return std::nullopt;
        }
        sample.push_back(std::move(*observed));
    }
    return sample;
}

void DeckPoller::remember(const Sample& sample) {
    if (!m_layout) {
        return;
    }
    for (const ObservedDeck& observed : sample) {
        m_layout->setReading(observed.deck, observed.slot, observed.following);
    }
}

void DeckPoller::publish(DeckState state, Outcome& outcome) {
    // Between the two samples of a poll, an event's reading is newer than the first sample's.
    if (m_firstSample) {
        m_readDuringPoll.insert(state.deck);
    }
    m_lastKnownStates.insert_or_assign(state.deck, state);
    outcome.changedStates.push_back(std::move(state));
}

DeckPoller::Outcome DeckPoller::pollOnce(std::stop_token stop) {
    Outcome outcome = startPoll(stop);
    if (m_secondSampleAt) {
        m_clock.sleepFor(intervalNanoseconds(m_configuration.playbackSampleGap), stop);
        Outcome finished = finishPoll(stop);
        std::ranges::move(finished.changedStates, std::back_inserter(outcome.changedStates));
    }
    return outcome;
}

DeckPoller::Outcome DeckPoller::startPoll(std::stop_token stop) {
    Outcome outcome;
    m_firstSample.reset();
    m_secondSampleAt.reset();
    m_readDuringPoll.clear();
    m_pollLimits = WalkLimits{stop, &m_clock, m_clock.now() + kMaxPollTime};
    if (!m_platform.isProcessTrusted()) {
        return outcome;
    }
    const auto applications = m_platform.runningApplications();
    const auto rekordbox = std::ranges::find_if(applications, [&](const auto& application) {
        return application.bundleIdentifier == m_configuration.bundleIdentifier;
    });
    if (rekordbox == applications.end()) {
        return outcome;
    }
    outcome.active = true;
    const AccessibilityPlatform::ProcessID pid = rekordbox->processIdentifier;
    // Another id than the last one seen: rekordbox quit and came back.
    if (m_lastKnownPID && *m_lastKnownPID != pid) {
        m_lastKnownStates.clear();
        forgetProcess();
        outcome.restarted = true;
    }
    m_lastKnownPID = pid;

    if (!m_application) {
        m_application = m_platform.applicationElement(pid);
        if (!m_application) {
            return outcome;
        }
    }
    follow(pid);
    GuardedReader reader(m_platform, m_pollLimits);
    m_pollWindow = firstWindow(reader);
    if (!m_pollWindow) {
        // Asked for again at the next poll, as an application may come back under its pid.
        m_application.reset();
        return outcome;
    }
    // Without decks to read, every poll looks for them; another window has other texts.
    const bool walkDue = !m_layout || m_layout->decks().empty() ||
                         !m_platform.sameElement(m_pollWindow, m_window) ||
                         m_clock.now() - m_lastFullWalk >= kFullWalkInterval;
    std::optional<Sample> first = walkDue ? std::nullopt : readLayout(reader);
    if (!first && !reader.gaveUp()) {
        first = fullWalk(reader, m_pollWindow);
    }
    if (first && !first->empty()) {
        m_firstSample = std::move(first);
        m_secondSampleAt = m_clock.now() + clockInterval(m_configuration.playbackSampleGap);
    }
    return outcome;
}

DeckPoller::Outcome DeckPoller::finishPoll(std::stop_token stop) {
    Outcome outcome;
    outcome.active = true;
    m_secondSampleAt.reset();
    const std::optional<Sample> first = std::exchange(m_firstSample, std::nullopt);
    if (!first || !m_layout) {
        return outcome;
    }
    m_pollLimits.stop = std::move(stop);
    GuardedReader reader(m_platform, m_pollLimits);
    std::optional<Sample> second = readLayout(reader);
    if (second) {
        remember(*second);
    } else if (!reader.gaveUp()) {
        second = fullWalk(reader, m_pollWindow);
    }
    if (!second) {
        return outcome;
    }
    for (std::size_t index = 0; index < first->size(); ++index) {
        const ObservedDeck& observed = (*first)[index];
        if (m_readDuringPoll.contains(observed.deck)) {
            continue;
        }
        const auto known = m_lastKnownStates.find(observed.deck);
        if (const std::optional<DeckTrackCandidate>& candidate = observed.slot.candidate) {
            bool playing = known != m_lastKnownStates.end() && known->second.isPlaying;
            if (const auto* counterpart = counterpartInSecondSample(*first, index, *second)) {
                playing = AccessibilityPlaybackHeuristic::isLikelyPlaying(
                    observed.following, counterpart->following, 0, 0, kPlaybackWindowSize);
            }
            DeckState state{observed.deck, provisionalTrack(*candidate),
                            playing,       false,
                            std::nullopt,  m_clock.now()};
            if (known == m_lastKnownStates.end() || !(known->second == state)) {
                publish(std::move(state), outcome);
            }
        } else if (known != m_lastKnownStates.end() && known->second.track) {
            publish({observed.deck, std::nullopt, false, false, std::nullopt, m_clock.now()},
                    outcome);
        }
    }
    std::ranges::stable_sort(outcome.changedStates, {}, &DeckState::deck);
    return outcome;
}

} // namespace cuevox::decks
