#pragma once

#include "ScaledMonitorClock.hpp"
#include "decks/DeckSession.hpp"
#include "decks/DeckState.hpp"
#include "decks/MonitorEvents.hpp"
#include "metadata/Track.hpp"
#include "recommendation/RecommendationService.hpp"
#include "tracklist/ListModes.hpp"
#include "tracklist/PitchAdjustment.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace cuevox::cli {

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
// A track that fits after the source, with its score out of 100.
struct NextTrack {
    metadata::Track track;
    double score = 0;
    // With a tempo mode of the list, how to pitch the track to the source deck's tempo.
    std::optional<tracklist::PitchAdjustment> pitch;
};
struct SourceEvent {
    double at = 0;
    // As the source deck shows it; absent when no deck is the source.
    std::optional<decks::DeckState> source;
    std::optional<std::string> trackID;
    std::vector<NextTrack> recommendations;
};
using ReportEvent = std::variant<DeckEvent, RestartEvent, SourceEvent>;

// The application's ranking settings, keeping the best 5.
recommendation::RecommendationSettings monitorRecommendationSettings();

// Where the next tracks come from: the recommendations, as long as every list mode is off;
// with any on, the best of the window's list, which alone knows them.
enum class NextTracks { recommendations, listBest };

NextTracks nextTracksFor(const tracklist::ListModes& modes);

// Turns what the monitor publishes into the run's events, keeping the decks as the application
// does, and ranks the next tracks as nextTracksFor says: the list's best are aimed at what the
// source deck shows and the tracks played so far. Borrows the library and the clock.
class MonitorReport {
public:
    MonitorReport(const tracklist::PreparedLibrary& library, const tracklist::ListModes& modes,
                  const ScaledMonitorClock& clock);

    // Simulated seconds at which the element was observed.
    double timeOf(const decks::MonitorEvent& published) const;

    // The events that one published element causes, in order: its own, then a source event
    // when the source deck or its track changed, with the recommendations for that track.
    std::vector<ReportEvent> handle(const decks::MonitorEvent& published);

private:
    // The source deck, its track and, in the tempo mode or without key lock, the tempo it
    // shows: a change of any is a new source.
    using SourceIdentity = std::tuple<decks::DeckIdentifier, std::string, std::optional<double>>;

    std::optional<std::string> trackIDOn(decks::DeckIdentifier deck) const;
    std::vector<NextTrack> nextTracks(const metadata::Track& source) const;

    const tracklist::PreparedLibrary& m_library;
    tracklist::ListModes m_modes;
    NextTracks m_nextTracks;
    decks::DeckSession m_decks{m_library.deckIndex()};
    recommendation::RecommendationService m_service;
    const ScaledMonitorClock& m_clock;
    std::optional<SourceIdentity> m_lastSource;
};

} // namespace cuevox::cli
