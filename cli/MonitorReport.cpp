#include "MonitorReport.hpp"

#include "decks/SourceDeckResolver.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"

#include <cmath>

namespace cuevox::cli {
namespace {

using decks::DeckIdentifier;
using decks::DeckState;
using metadata::Track;

constexpr std::size_t kRecommendationCount = 5;

double milliseconds(double seconds) {
    return std::round(seconds * 1000) / 1000;
}

int deckNumber(DeckIdentifier deck) {
    return static_cast<int>(deck) + 1;
}

} // namespace

recommendation::RecommendationSettings monitorRecommendationSettings() {
    return recommendation::defaultRecommendationSettings(kRecommendationCount);
}

MonitorReport::MonitorReport(std::span<const Track> tracks, const ScaledMonitorClock& clock)
    : m_tracks(tracks), m_index(tracks), m_service(monitorRecommendationSettings()),
      m_clock(clock) {}

double MonitorReport::timeOf(const MonitorEvent& published) const {
    const auto* state = std::get_if<DeckState>(&published);
    return state ? m_clock.secondsAt(state->updatedAt) : std::get<TimedRestart>(published).at;
}

std::vector<Json> MonitorReport::handle(const MonitorEvent& published) {
    std::vector<Json> events;
    const double at = timeOf(published);
    if (const auto* state = std::get_if<DeckState>(&published)) {
        m_decks.insert_or_assign(state->deck, *state);
        events.push_back(deckEvent(at, *state));
    } else {
        m_decks.clear();
        events.push_back(Json{{"at", milliseconds(at)}, {"type", "restart"}});
    }
    if (auto source = sourceEvent(at)) {
        events.push_back(std::move(*source));
    }
    return events;
}

const Track* MonitorReport::resolve(const Track& shown) const {
    return m_index.find(shown.title, shown.artist);
}

Json MonitorReport::deckEvent(double at, const DeckState& state) const {
    const std::optional<Track>& shown = state.track;
    const Track* known = shown ? resolve(*shown) : nullptr;
    return Json{{"at", milliseconds(at)},
                {"type", "deck"},
                {"deck", deckNumber(state.deck)},
                {"state", !shown            ? "empty"
                          : state.isPlaying ? "playing"
                                            : "paused"},
                {"title", shown ? Json(shown->title) : Json(nullptr)},
                {"artist", shown ? Json(shown->artist) : Json(nullptr)},
                {"bpm", shown ? jsonOrNull(shown->bpm) : Json(nullptr)},
                {"key", shown ? jsonOrNull(shown->musicalKey) : Json(nullptr)},
                {"trackID", known ? Json(known->id) : Json(nullptr)}};
}

// The source is the deck and the track on it: a pause or a play that leaves both is no change.
std::optional<Json> MonitorReport::sourceEvent(double at) {
    std::vector<DeckState> states;
    for (const auto& [deck, state] : m_decks) {
        states.push_back(state);
    }
    const std::optional<DeckState> source = decks::SourceDeckResolver::resolveSource(states);
    std::optional<std::pair<DeckIdentifier, std::string>> identity;
    if (source) {
        identity.emplace(source->deck, source->track->id);
    }
    if (identity == m_lastSource) {
        return std::nullopt;
    }
    m_lastSource = identity;
    Json event{{"at", milliseconds(at)}, {"type", "source"}};
    const Track* known = source ? resolve(*source->track) : nullptr;
    event["deck"] = source ? Json(deckNumber(source->deck)) : Json(nullptr);
    event["trackID"] = known ? Json(known->id) : Json(nullptr);
    event["title"] = source ? Json(source->track->title) : Json(nullptr);
    event["artist"] = source ? Json(source->track->artist) : Json(nullptr);
    Json recommendations = Json::array();
    if (known != nullptr) {
        for (const auto& next : m_service.recommendations(*known, m_tracks)) {
            recommendations.push_back(
                {{"id", next.track.id},
                 {"title", next.track.title},
                 {"artist", next.track.artist},
                 {"score", next.score},
                 {"bpm", jsonOrNull(next.track.bpm)},
                 {"key", next.track.camelotKey ? Json(next.track.camelotKey->toString())
                                               : Json(nullptr)}});
        }
    }
    event["recommendations"] = std::move(recommendations);
    return event;
}

} // namespace cuevox::cli
