#include "MonitorReport.hpp"

#include "tracklist/LiveInputsOfSession.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <algorithm>
#include <cmath>

namespace cuevox::cli {
namespace {

using decks::DeckState;

constexpr std::size_t kRecommendationCount = 5;

double milliseconds(double seconds) {
    return std::round(seconds * 1000) / 1000;
}

} // namespace

recommendation::RecommendationSettings monitorRecommendationSettings() {
    return recommendation::defaultRecommendationSettings(kRecommendationCount);
}

NextTracks nextTracksFor(const tracklist::ListModes& modes) {
    return modes == tracklist::ListModes{} ? NextTracks::recommendations : NextTracks::listBest;
}

MonitorReport::MonitorReport(const tracklist::PreparedLibrary& library,
                             const tracklist::ListModes& modes, const ScaledMonitorClock& clock)
    : m_library(library), m_modes(modes), m_nextTracks(nextTracksFor(modes)),
      m_service(monitorRecommendationSettings()), m_clock(clock) {}

double MonitorReport::timeOf(const decks::MonitorEvent& published) const {
    const auto* state = std::get_if<DeckState>(&published);
    return m_clock.secondsAt(state ? state->updatedAt
                                   : std::get<decks::StampedRestart>(published).at);
}

std::vector<ReportEvent> MonitorReport::handle(const decks::MonitorEvent& published) {
    std::vector<ReportEvent> events;
    const double at = milliseconds(timeOf(published));
    if (const auto* state = std::get_if<DeckState>(&published)) {
        m_decks.update(*state);
        m_decks.resolve();
        events.emplace_back(DeckEvent{at, *state, trackIDOn(state->deck)});
    } else {
        m_decks.restart();
        m_decks.resolve();
        events.emplace_back(RestartEvent{at});
    }

    // The source is the deck and the track on it: a pause or a play that leaves both is no
    // change.
    const std::optional<DeckState>& source = m_decks.sourceDeckState();
    std::optional<SourceIdentity> identity;
    if (source) {
        identity.emplace(source->deck, source->track->id,
                         m_modes.tempoMode() || !m_modes.keyLock ? source->track->bpm
                                                                 : std::nullopt);
    }
    if (identity != m_lastSource) {
        m_lastSource = identity;
        const std::optional<metadata::Track>& known = m_decks.sourceTrack();
        events.emplace_back(SourceEvent{at, source, known ? std::optional(known->id) : std::nullopt,
                                        known ? nextTracks(*known) : std::vector<NextTrack>{}});
    }
    return events;
}

std::vector<NextTrack> MonitorReport::nextTracks(const metadata::Track& source) const {
    std::vector<NextTrack> next;
    if (m_nextTracks == NextTracks::recommendations) {
        for (recommendation::Recommendation& r :
             m_service.recommendations(source, m_library.tracks())) {
            next.push_back({std::move(r.track), r.score, std::nullopt});
        }
        return next;
    }
    const auto list = tracklist::TrackListComputation::compute(m_library, source, {}, "", m_modes,
                                                               tracklist::liveInputsOf(m_decks));
    // The list keeps the playing track and ranks unscored rows too; neither comes next.
    for (const tracklist::ListRow& row : list.rows) {
        const metadata::Track& track = m_library.tracks()[row.index];
        if (track.id == source.id || !row.score) {
            continue;
        }
        next.push_back({track, *row.score, row.pitch});
        if (next.size() == kRecommendationCount) {
            break;
        }
    }
    return next;
}

std::optional<std::string> MonitorReport::trackIDOn(decks::DeckIdentifier deck) const {
    const auto& rows = m_decks.activeDecks();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const decks::DeckDisplayInfo& r) { return r.deck == deck; });
    if (row == rows.end() || !row->track) {
        return std::nullopt;
    }
    return row->track->id;
}

} // namespace cuevox::cli
