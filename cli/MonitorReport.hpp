#pragma once

#include "Output.hpp"
#include "ScaledMonitorClock.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/DeckState.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Track.hpp"
#include "recommendation/RecommendationService.hpp"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace cuevox::cli {

// A restart, stamped with the simulated time of the poll that saw it.
struct TimedRestart {
    double at = 0;
};

// What the monitor publishes, in one stream.
using MonitorEvent = std::variant<decks::DeckState, TimedRestart>;

// The application's ranking settings, keeping the best 5.
recommendation::RecommendationSettings monitorRecommendationSettings();

// Turns what the monitor publishes into the run's events (JSON objects of type "deck",
// "restart" or "source"), keeping the decks as the application does: the latest state per
// deck, forgotten when rekordbox restarts. Borrows the tracks and the clock.
class MonitorReport {
public:
    MonitorReport(std::span<const metadata::Track> tracks, const ScaledMonitorClock& clock);

    // Simulated seconds at which the element was observed.
    double timeOf(const MonitorEvent& published) const;

    // The events that one published element causes, in order: its own, then a "source" one
    // when the source deck or its track changed, with the recommendations for that track.
    std::vector<Json> handle(const MonitorEvent& published);

private:
    const metadata::Track* resolve(const metadata::Track& shown) const;
    Json deckEvent(double at, const decks::DeckState& state) const;
    std::optional<Json> sourceEvent(double at);

    std::span<const metadata::Track> m_tracks;
    decks::LibraryTrackIndex m_index;
    recommendation::RecommendationService m_service;
    const ScaledMonitorClock& m_clock;
    std::map<decks::DeckIdentifier, decks::DeckState> m_decks;
    std::optional<std::pair<decks::DeckIdentifier, std::string>> m_lastSource;
};

} // namespace cuevox::cli
