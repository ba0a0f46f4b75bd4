#pragma once

#include "ScaledMonitorClock.hpp"
#include "decks/DeckSession.hpp"
#include "decks/DeckState.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Track.hpp"
#include "recommendation/Recommendation.hpp"
#include "recommendation/RecommendationService.hpp"

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

// The run's events. Times are simulated seconds, rounded to the millisecond, so that text and
// JSON show the same moment.
struct DeckEvent {
    double at = 0;
    // As the deck shows it.
    decks::DeckState state;
    // The collection track it shows.
    std::optional<std::string> trackID;
};
struct RestartEvent {
    double at = 0;
};
struct SourceEvent {
    double at = 0;
    // As the source deck shows it; absent when no deck is the source.
    std::optional<decks::DeckState> source;
    std::optional<std::string> trackID;
    std::vector<recommendation::Recommendation> recommendations;
};
using ReportEvent = std::variant<DeckEvent, RestartEvent, SourceEvent>;

// The application's ranking settings, keeping the best 5.
recommendation::RecommendationSettings monitorRecommendationSettings();

// Turns what the monitor publishes into the run's events, keeping the decks as the application
// does. Borrows the tracks and the clock.
class MonitorReport {
public:
    MonitorReport(std::span<const metadata::Track> tracks, const ScaledMonitorClock& clock);

    // Simulated seconds at which the element was observed.
    double timeOf(const MonitorEvent& published) const;

    // The events that one published element causes, in order: its own, then a source event
    // when the source deck or its track changed, with the recommendations for that track.
    std::vector<ReportEvent> handle(const MonitorEvent& published);

private:
    std::optional<std::string> trackIDOn(decks::DeckIdentifier deck) const;

    std::span<const metadata::Track> m_tracks;
    decks::LibraryTrackIndex m_index;
    decks::DeckSession m_decks{m_index};
    recommendation::RecommendationService m_service;
    const ScaledMonitorClock& m_clock;
    std::optional<std::pair<decks::DeckIdentifier, std::string>> m_lastSource;
};

} // namespace cuevox::cli
