#include "MonitorTimeline.hpp"

#include "JsonInput.hpp"
#include "simulation/DemoSet.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <string_view>

namespace cuevox::cli {
namespace {

using metadata::Track;
using simulation::SimulatedTrack;
using simulation::SimulationAction;
using simulation::SimulationEvent;

constexpr const char* kTempoRange = "\"bpm\" must be a number from 0 to below 1000";

// A tempo rekordbox can show, into `bpm`.
bool readTempo(const Json& value, std::optional<double>& bpm) {
    if (!value.is_number() || !(value.get<double>() >= 0 && value.get<double>() < 1000)) {
        return false;
    }
    bpm = value.get<double>();
    return true;
}

struct ActionName {
    std::string_view name;
    SimulationAction action;
    bool onDeck;
};

constexpr std::array<ActionName, 9> kActions{{
    {"load", SimulationAction::load, true},
    {"play", SimulationAction::play, true},
    {"pause", SimulationAction::pause, true},
    {"eject", SimulationAction::eject, true},
    {"quit", SimulationAction::quit, false},
    {"launch", SimulationAction::launch, false},
    {"restart", SimulationAction::restart, false},
    {"revokeAccess", SimulationAction::revokeAccess, false},
    {"grantAccess", SimulationAction::grantAccess, false},
}};

tl::unexpected<std::string> fail(std::string message) {
    return tl::unexpected(std::move(message));
}

std::string actionList() {
    std::string list;
    for (const ActionName& action : kActions) {
        list += (list.empty() ? "" : ", ") + std::string(action.name);
    }
    return list;
}

const std::set<std::string, std::less<>> kLoadFields{"id", "title", "artist", "bpm", "key"};
const std::set<std::string, std::less<>> kFields{"at",    "action", "deck", "id",
                                                 "title", "artist", "bpm",  "key"};

// The track a load shows: one of the collection by its id, with the tempo the deck shows, or
// one the collection lacks as the deck describes it.
tl::expected<Track, std::string> loadedTrack(const Json& entry, std::span<const Track> tracks,
                                             const std::string& collectionName) {
    const auto id = entry.find("id");
    const bool described = entry.contains("title") || entry.contains("artist") ||
                           (entry.contains("bpm") && id == entry.end()) || entry.contains("key");
    if ((id != entry.end()) == described) {
        return fail(
            "a load needs either \"id\" or \"title\" and \"artist\" (with \"bpm\" and \"key\")");
    }
    if (id != entry.end()) {
        if (!id->is_string()) {
            return fail("\"id\" must be a string");
        }
        const std::string wanted = id->get<std::string>();
        const auto track = std::ranges::find(tracks, wanted, &Track::id);
        if (track == tracks.end()) {
            return fail("no track with id " + quotedInput(wanted) + " in " + collectionName);
        }
        Track shown = *track;
        // A deck shows the tempo with the pitch fader applied.
        if (const auto bpm = entry.find("bpm"); bpm != entry.end()) {
            if (!readTempo(*bpm, shown.bpm)) {
                return fail(kTempoRange);
            }
        }
        return shown;
    }
    for (const char* field : {"title", "artist", "key"}) {
        const auto value = entry.find(field);
        if ((value == entry.end() && std::string_view(field) != "key") ||
            (value != entry.end() && !value->is_string())) {
            return fail("\"" + std::string(field) + "\" must be a string");
        }
    }
    Track track;
    track.title = entry.at("title").get<std::string>();
    track.artist = entry.at("artist").get<std::string>();
    if (const auto key = entry.find("key"); key != entry.end()) {
        track.musicalKey = key->get<std::string>();
    }
    if (const auto bpm = entry.find("bpm"); bpm != entry.end()) {
        if (!readTempo(*bpm, track.bpm)) {
            return fail(kTempoRange);
        }
    }
    return track;
}

tl::expected<SimulationEvent, std::string>
parseEvent(const Json& entry, std::span<const Track> tracks, const std::string& collectionName) {
    if (!entry.is_object()) {
        return fail("is " + describeJsonType(entry) + ", not an object");
    }
    for (const auto& [key, value] : entry.items()) {
        if (!kFields.contains(key)) {
            return fail("unknown field " + quotedInput(key));
        }
    }
    SimulationEvent event;
    const auto at = entry.find("at");
    if (at == entry.end() || !at->is_number() || !std::isfinite(at->get<double>()) ||
        at->get<double>() < 0) {
        return fail("\"at\" must be a number of seconds, 0 or more");
    }
    event.at = at->get<double>();

    const auto action = entry.find("action");
    const ActionName* found = nullptr;
    if (action != entry.end() && action->is_string()) {
        const std::string name = action->get<std::string>();
        const auto match = std::ranges::find(kActions, name, &ActionName::name);
        found = match != kActions.end() ? &*match : nullptr;
    }
    if (found == nullptr) {
        return fail("\"action\" must be one of " + actionList());
    }
    event.action = found->action;

    const auto deck = entry.find("deck");
    if (found->onDeck) {
        if (deck == entry.end() || !deck->is_number_integer() || deck->get<long long>() < 1 ||
            deck->get<long long>() > 4) {
            return fail("\"deck\" must be 1, 2, 3 or 4");
        }
        event.deck = deck->get<int>();
    } else if (deck != entry.end()) {
        return fail("\"deck\" is not used by " + std::string(found->name));
    }

    if (event.action != SimulationAction::load) {
        for (const auto& [key, value] : entry.items()) {
            if (kLoadFields.contains(key)) {
                return fail("\"" + key + "\" is used only by load");
            }
        }
        return event;
    }
    auto track = loadedTrack(entry, tracks, collectionName);
    if (!track) {
        return tl::unexpected(std::move(track.error()));
    }
    event.track = SimulatedTrack::from(*track);
    return event;
}

} // namespace

tl::expected<MonitorTimeline, std::string> timelineFromScript(const Json& script,
                                                              const std::string& scriptName,
                                                              std::span<const Track> tracks,
                                                              const std::string& collectionName) {
    if (!script.is_array()) {
        return fail(scriptName + ": expected an array of events, found " +
                    describeJsonType(script));
    }
    MonitorTimeline timeline;
    for (std::size_t i = 0; i < script.size(); ++i) {
        auto event = parseEvent(script[i], tracks, collectionName);
        if (!event) {
            return fail(scriptName + ": event " + std::to_string(i) +
                        " (counting from 0): " + event.error());
        }
        timeline.length = std::max(timeline.length, event->at);
        timeline.events.push_back(std::move(*event));
    }
    timeline.length += kTimelineTail;
    return timeline;
}

std::optional<MonitorTimeline> demoTimeline(std::span<const Track> tracks,
                                            const decks::LibraryTrackIndex& index,
                                            const recommendation::RecommendationService& service) {
    std::optional<simulation::DemoSet> demo = simulation::demoSet(tracks, index, service);
    if (!demo) {
        return std::nullopt;
    }
    return MonitorTimeline{std::move(demo->events), demo->lastEventAt + kTimelineTail};
}

} // namespace cuevox::cli
