#include "decks/DeckPoller.hpp"

#include "decks/AccessibilityPlaybackHeuristic.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "metadata/MusicalKeyConverter.hpp"

#include <algorithm>

namespace cuevox::decks {
namespace {

using AccessibilityTrackPatternMatcher::DeckSlotState;
using Element = AccessibilityPlatform::Element;

// Reads for one poll that give up for good at a stop request, at the deadline, or at the
// first read that finds the application not answering: each read of a frozen application
// costs the backend's whole timeout, and a walk makes hundreds.
class GuardedReader {
public:
    GuardedReader(AccessibilityPlatform& platform, const WalkLimits& limits)
        : m_platform(platform), m_limits(limits) {}

    bool gaveUp() const { return m_gaveUp; }

    AttributeRead<std::string> string(const Element& element, std::string_view attribute) {
        return guarded([&] { return m_platform.stringAttribute(element, attribute); });
    }
    AttributeRead<std::vector<Element>> elements(const Element& element,
                                                 std::string_view attribute) {
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

void walk(GuardedReader& reader, const Element& element, std::size_t depth, std::size_t maxDepth,
          std::vector<std::string>& texts) {
    if (depth >= maxDepth || reader.gaveUp()) {
        return;
    }
    if (reader.string(element, "AXRole") == "AXStaticText") {
        if (AttributeRead<std::string> value = reader.string(element, "AXValue")) {
            texts.push_back(std::move(*value));
        }
    }
    if (const auto children = reader.elements(element, "AXChildren")) {
        for (const Element& child : *children) {
            walk(reader, child, depth + 1, maxDepth, texts);
        }
    }
}

// What the deck shows, as a track that is not (yet) a collection track.
metadata::Track provisionalTrack(const DeckTrackCandidate& candidate,
                                 metadata::KeyNotationOptions keyNotation) {
    metadata::Track track;
    track.id = candidate.artist + "::" + candidate.title;
    track.title = candidate.title;
    track.artist = candidate.artist;
    track.bpm = candidate.bpm;
    track.musicalKey = candidate.rawKey;
    track.camelotKey =
        metadata::MusicalKeyConverter::parseAnyKeyNotation(candidate.rawKey, keyNotation);
    return track;
}

bool sameTrackTexts(const DeckTrackCandidate& a, const DeckTrackCandidate& b) {
    return a.title == b.title && a.artist == b.artist;
}

// The n-th block of the second sample showing the same title and artist, where this is the
// n-th such block of the first: a track loaded on two decks keeps each deck's own reading.
const DeckTrackCandidate*
counterpartInSecondSample(const std::vector<DeckSlotState>& firstSlots, std::size_t slotIndex,
                          const std::vector<DeckTrackCandidate>& secondCandidates) {
    const DeckTrackCandidate& candidate = *firstSlots[slotIndex].candidate;
    const auto occurrence = std::count_if(
        firstSlots.begin(), firstSlots.begin() + static_cast<std::ptrdiff_t>(slotIndex),
        [&](const DeckSlotState& slot) {
            return slot.candidate && sameTrackTexts(*slot.candidate, candidate);
        });
    std::ptrdiff_t seen = 0;
    for (const DeckTrackCandidate& second : secondCandidates) {
        if (sameTrackTexts(second, candidate) && seen++ == occurrence) {
            return &second;
        }
    }
    return nullptr;
}

} // namespace

DeckPoller::DeckPoller(DeckMonitorConfiguration configuration, AccessibilityPlatform& platform,
                       MonitorClock& clock)
    : m_configuration(std::move(configuration)), m_platform(platform), m_clock(clock),
      m_keyNotation(m_configuration.keyNotation) {}

std::optional<std::vector<std::string>>
DeckPoller::collectStaticTextValues(AccessibilityPlatform& platform, const Element& root,
                                    std::size_t maxDepth, const WalkLimits& limits) {
    GuardedReader reader(platform, limits);
    std::vector<std::string> texts;
    walk(reader, root, 0, maxDepth, texts);
    if (reader.gaveUp()) {
        return std::nullopt;
    }
    return texts;
}

DeckPoller::Outcome DeckPoller::pollOnce(std::stop_token stop) {
    Outcome outcome;
    const WalkLimits limits{stop, &m_clock, m_clock.now() + kMaxPollTime};
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
        outcome.restarted = true;
    }
    m_lastKnownPID = pid;

    const Element application = m_platform.applicationElement(pid);
    if (!application) {
        return outcome;
    }
    GuardedReader reader(m_platform, limits);
    const auto windows = reader.elements(application, "AXWindows");
    if (!windows || windows->empty()) {
        return outcome;
    }
    const Element& window = windows->front();

    const auto texts1 = collectStaticTextValues(m_platform, window, kMaxWalkDepth, limits);
    if (!texts1) {
        return outcome;
    }
    const metadata::KeyNotationOptions keyNotation = m_keyNotation;
    const std::vector<DeckSlotState> slots1 =
        AccessibilityTrackPatternMatcher::extractDeckSlots(*texts1, keyNotation);
    if (slots1.empty()) {
        return outcome;
    }
    m_clock.sleepFor(intervalNanoseconds(m_configuration.playbackSampleGap), stop);
    const auto texts2 = collectStaticTextValues(m_platform, window, kMaxWalkDepth, limits);
    if (!texts2) {
        return outcome;
    }
    const std::vector<DeckTrackCandidate> candidates2 =
        AccessibilityTrackPatternMatcher::extractCandidates(*texts2, keyNotation);

    const std::size_t pairs = std::min(slots1.size(), kAllDeckIdentifiers.size());
    for (std::size_t index = 0; index < pairs; ++index) {
        const DeckIdentifier deck = kAllDeckIdentifiers[index];
        const auto known = m_lastKnownStates.find(deck);
        std::optional<DeckState> state;
        if (const std::optional<DeckTrackCandidate>& candidate = slots1[index].candidate) {
            bool playing = known != m_lastKnownStates.end() && known->second.isPlaying;
            if (const DeckTrackCandidate* second =
                    counterpartInSecondSample(slots1, index, candidates2)) {
                playing = AccessibilityPlaybackHeuristic::isLikelyPlaying(
                    *texts1, *texts2, candidate->sourceEndIndex, second->sourceEndIndex,
                    kPlaybackWindowSize);
            }
            metadata::Track shown = provisionalTrack(*candidate, keyNotation);
            state = DeckState{deck, std::move(shown), playing, false, std::nullopt, m_clock.now()};
            if (known != m_lastKnownStates.end() && known->second == *state) {
                continue;
            }
        } else {
            if (known == m_lastKnownStates.end() || !known->second.track) {
                continue;
            }
            state = DeckState{deck, std::nullopt, false, false, std::nullopt, m_clock.now()};
        }
        m_lastKnownStates.insert_or_assign(deck, *state);
        outcome.changedStates.push_back(std::move(*state));
    }
    return outcome;
}

} // namespace cuevox::decks
