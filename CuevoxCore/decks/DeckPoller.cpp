#include "decks/DeckPoller.hpp"

#include "decks/AccessibilityPlaybackHeuristic.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/RekordboxProcessTracker.hpp"
#include "metadata/CamelotKey.hpp"
#include "metadata/MusicalKeyConverter.hpp"
#include "text/Text.hpp"

#include <algorithm>

namespace cuevox::decks {
namespace {

using AccessibilityTrackPatternMatcher::DeckSlotState;
using Element = AccessibilityPlatform::Element;

void walk(AccessibilityPlatform& platform, const Element& element, std::size_t depth,
          std::size_t maxDepth, std::vector<std::string>& texts) {
    if (depth >= maxDepth) {
        return;
    }
    if (platform.stringAttribute(element, "AXRole") == "AXStaticText") {
        if (std::optional<std::string> value = platform.stringAttribute(element, "AXValue")) {
            texts.push_back(std::move(*value));
        }
    }
    if (const auto children = platform.elementsAttribute(element, "AXChildren")) {
        for (const Element& child : *children) {
            walk(platform, child, depth + 1, maxDepth, texts);
        }
    }
}

std::optional<metadata::CamelotKey> provisionalCamelotKey(const std::string& rawKey) {
    if (text::isBlank(rawKey)) {
        return std::nullopt;
    }
    if (auto key = metadata::CamelotKey::fromString(rawKey)) {
        return key;
    }
    return metadata::MusicalKeyConverter::camelotKeyFromClassicalNotation(rawKey);
}

// What the deck shows, as a track that is not (yet) a collection track.
metadata::Track provisionalTrack(const DeckTrackCandidate& candidate) {
    metadata::Track track;
    track.id = candidate.artist + "::" + candidate.title;
    track.title = candidate.title;
    track.artist = candidate.artist;
    track.bpm = candidate.bpm;
    track.musicalKey = candidate.rawKey;
    track.camelotKey = provisionalCamelotKey(candidate.rawKey);
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
    : m_configuration(std::move(configuration)), m_platform(platform), m_clock(clock) {}

std::vector<std::string> DeckPoller::collectStaticTextValues(AccessibilityPlatform& platform,
                                                             const Element& root,
                                                             std::size_t maxDepth) {
    std::vector<std::string> texts;
    walk(platform, root, 0, maxDepth, texts);
    return texts;
}

DeckPoller::Outcome DeckPoller::pollOnce(std::stop_token stop) {
    Outcome outcome;
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
    if (RekordboxProcessTracker::isRestart(m_lastKnownPID, pid)) {
        m_lastKnownStates.clear();
        outcome.restarted = true;
    }
    m_lastKnownPID = pid;

    const Element application = m_platform.applicationElement(pid);
    if (!application) {
        return outcome;
    }
    const auto windows = m_platform.elementsAttribute(application, "AXWindows");
    if (!windows || windows->empty()) {
        return outcome;
    }
    const Element& window = windows->front();

    const std::vector<std::string> texts1 =
        collectStaticTextValues(m_platform, window, kMaxWalkDepth);
    const std::vector<DeckSlotState> slots1 =
        AccessibilityTrackPatternMatcher::extractDeckSlots(texts1);
    if (slots1.empty()) {
        return outcome;
    }
    m_clock.sleepFor(intervalNanoseconds(m_configuration.playbackSampleGap), stop);
    const std::vector<std::string> texts2 =
        collectStaticTextValues(m_platform, window, kMaxWalkDepth);
    const std::vector<DeckTrackCandidate> candidates2 =
        AccessibilityTrackPatternMatcher::extractCandidates(texts2);

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
                    texts1, texts2, candidate->sourceEndIndex, second->sourceEndIndex,
                    kPlaybackWindowSize);
            }
            state = DeckState{
                deck, provisionalTrack(*candidate), playing, false, std::nullopt, m_clock.now()};
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
