#pragma once

#include "Output.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Track.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/SimulatedRekordbox.hpp"

#include <tl/expected.hpp>

#include <span>
#include <string>
#include <vector>

namespace cuevox::cli {

// What the simulated rekordbox does during a `monitor` run, and how long the run lasts by
// default (simulated seconds).
struct MonitorTimeline {
    std::vector<simulation::SimulationEvent> events;
    double length = 0;
};

// Seconds a run goes on after the last event, so that the monitor sees its effect.
inline constexpr double kTimelineTail = 3;

// A script: a JSON array of events such as {"at": 4, "action": "load", "deck": 2, "id": "17"}.
// Deck actions (load, play, pause, eject) need "deck" 1 to 4; the others (quit, launch,
// restart, revokeAccess, grantAccess) take none. A load names a collection track by "id", or
// describes one that is not in the collection by "title", "artist" and optional "bpm" and
// "key". The error is one line naming the script and the event; the names are given as
// messages show them (escaped).
tl::expected<MonitorTimeline, std::string>
timelineFromScript(const Json& script, const std::string& scriptName,
                   std::span<const metadata::Track> tracks, const std::string& collectionName);

// The built-in set: two decks trading tracks that follow one another as the recommendations
// suggest, a pause, an eject, a promo that is not in the collection, and a restart of
// rekordbox. Nothing when the collection lacks two tracks a deck can show (a title and a tempo).
std::optional<MonitorTimeline> demoTimeline(std::span<const metadata::Track> tracks,
                                            const decks::LibraryTrackIndex& index,
                                            const recommendation::RecommendationService& service);

} // namespace cuevox::cli
