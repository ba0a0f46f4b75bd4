#include "simulation/DemoSet.hpp"

#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace cuevox::simulation {

using decks::LibraryTrackIndex;
using metadata::Track;

bool isShowable(const SimulatedTrack& track) {
    const std::vector<std::string> texts{track.title, track.artist, track.tempoText, track.keyText};
    return decks::AccessibilityTrackPatternMatcher::extractCandidates(texts).size() == 1;
}

namespace {

// A collection track the deck shows and the index finds again as itself, with a tempo for the
// list to rank the collection around.
bool isDemoTrack(const Track& track, const LibraryTrackIndex& index) {
    return track.bpm && isShowable(SimulatedTrack::from(track)) &&
           index.find(track.title, track.artist) == &track;
}

// The best recommendation for `after` that a deck can show and that is not yet in the set,
// else the first such track of the collection.
const Track* nextTrack(const Track& after, std::span<const Track> tracks,
                       const LibraryTrackIndex& index,
                       const recommendation::RecommendationService& service,
                       const std::vector<const Track*>& used) {
    const auto fresh = [&](const Track& track) {
        return std::ranges::find(used, &track) == used.end() && isDemoTrack(track, index);
    };
    for (const recommendation::Recommendation& next : service.recommendations(after, tracks)) {
        const Track* track = index.find(next.track.title, next.track.artist);
        if (track != nullptr && fresh(*track)) {
            return track;
        }
    }
    const auto any = std::ranges::find_if(tracks, fresh);
    return any != tracks.end() ? &*any : nullptr;
}

} // namespace

std::optional<DemoSet> demoSet(std::span<const Track> tracks, const LibraryTrackIndex& index,
                               const recommendation::RecommendationService& service,
                               DemoDecks decks) {
    // The opener: the first track that has a recommendation to follow it, else any.
    const Track* first = nullptr;
    std::size_t tried = 0;
    for (const Track& track : tracks) {
        if (!isDemoTrack(track, index)) {
            continue;
        }
        if (first == nullptr) {
            first = &track;
        }
        if (!service.recommendations(track, tracks).empty()) {
            first = &track;
            break;
        }
        // A large collection without any match must not cost a pass per track.
        if (++tried == 50) {
            break;
        }
    }
    if (first == nullptr) {
        return std::nullopt;
    }
    const Track* second = nextTrack(*first, tracks, index, service, {first});
    if (second == nullptr) {
        return std::nullopt;
    }
    const Track* third = nextTrack(*second, tracks, index, service, {first, second});
    if (third == nullptr) {
        third = first;
    }
    const auto load = [](double at, int deck, const Track& track) {
        return SimulationEvent{at, SimulationAction::load, deck, SimulatedTrack::from(track)};
    };
    const auto on = [](double at, SimulationAction action, int deck) {
        return SimulationEvent{at, action, deck, std::nullopt};
    };
    Track promo;
    promo.title = "Unreleased Promo";
    promo.artist = "Somebody Else";
    promo.bpm = first->bpm;
    promo.musicalKey = "8A";

    DemoSet timeline;
    // Two seconds between events, so that even a slowed-down run sees each on its own.
    timeline.events = {
        load(0, 1, *first),
        on(2, SimulationAction::play, 1),
        load(4, 2, *second),
        on(6, SimulationAction::play, 2),
        on(8, SimulationAction::pause, 1), // the mix is done: deck 2 leads
        on(10, SimulationAction::eject, 1),
        load(12, 1, *third),
        on(14, SimulationAction::play, 1), // both play again: deck 1 comes first
        on(16, SimulationAction::pause, 2),
        load(18, 2, promo),
        on(20, SimulationAction::restart, 0),
        load(22, 1, *third),
        on(24, SimulationAction::play, 1),
    };
    if (decks == DemoDecks::four) {
        const Track* fourth = nextTrack(*third, tracks, index, service, {first, second, third});
        if (fourth == nullptr) {
            fourth = second;
        }
        const Track* fifth =
            nextTrack(*fourth, tracks, index, service, {first, second, third, fourth});
        if (fifth == nullptr) {
            fifth = first;
        }
        // Odd seconds, between the two-deck events; reloaded after the restart empties them.
        const SimulationEvent more[] = {
            load(1, 3, *fourth),
            load(3, 4, *fifth),
            on(15, SimulationAction::play, 3),
            on(19, SimulationAction::pause, 3),
            load(21, 3, *fourth),
            load(23, 4, *fifth),
        };
        timeline.events.insert(timeline.events.end(), std::begin(more), std::end(more));
        std::ranges::stable_sort(timeline.events, {}, &SimulationEvent::at);
    }
    timeline.lastEventAt = timeline.events.back().at;
    return timeline;
}

} // namespace cuevox::simulation
