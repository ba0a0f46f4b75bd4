#include "state/RecommendationViewModel.hpp"

#include "decks/SourceDeckResolver.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <QSettings>
#include <algorithm>

namespace cuevox::state {

using metadata::Track;

RecommendationViewModel::RecommendationViewModel(
    std::unique_ptr<decks::RekordboxDeckMonitoring> deckMonitor,
    std::function<bool()> permissionCheck, QSettings* settings, Timing timing,
    LibraryBookmarks bookmarks, QObject* parent)
    : QObject(parent), m_deckMonitor(std::move(deckMonitor)),
      m_deckStateUpdates(m_deckMonitor->deckStateUpdates()),
      m_restarts(m_deckMonitor->rekordboxDidRestart()), m_settings(settings), m_timing(timing) {
    if (m_settings == nullptr) {
        m_ownSettings = std::make_unique<QSettings>();
        m_settings = m_ownSettings.get();
    }
    m_session = std::make_unique<LibrarySession>(*m_settings, std::move(bookmarks));
    connect(m_session.get(), &LibrarySession::progressChanged, this,
            &RecommendationViewModel::libraryLoadProgressChanged);
    connect(m_session.get(), &LibrarySession::loaded, this, &RecommendationViewModel::takeLibrary);
    connect(m_session.get(), &LibrarySession::failed, this,
            &RecommendationViewModel::takeLoadFailure);

    m_searchDebounce.setSingleShot(true);
    m_searchDebounce.setInterval(m_timing.searchDebounceMilliseconds);
    connect(&m_searchDebounce, &QTimer::timeout, this,
            &RecommendationViewModel::recomputeFilteredTracks);

    startMonitoring();
    startPermissionPolling(std::move(permissionCheck));
    m_session->reopenRemembered();
}

RecommendationViewModel::~RecommendationViewModel() {
    // Once these return no notifier runs or will run on the monitor's thread; events already
    // posted to this object die with it.
    m_deckStateUpdates->setNotifier(nullptr);
    m_restarts->setNotifier(nullptr);
    m_permissionPoller->answers()->setNotifier(nullptr);
}

void RecommendationViewModel::startMonitoring() {
    // Each element is handed to the main thread as one queued call, in the order pushed, so
    // a restart queued before a poll's states is also handled before them.
    m_restarts->setNotifier([this] {
        QMetaObject::invokeMethod(this, &RecommendationViewModel::takeRestart,
                                  Qt::QueuedConnection);
    });
    m_deckStateUpdates->setNotifier([this] {
        QMetaObject::invokeMethod(this, &RecommendationViewModel::takeDeckState,
                                  Qt::QueuedConnection);
    });
}

void RecommendationViewModel::takeDeckState() {
    std::optional<decks::DeckState> state = m_deckStateUpdates->tryPop();
    if (!state) {
        return;
    }
    m_deckStates.insert_or_assign(state->deck, std::move(*state));
    emit deckStatesChanged();
    scheduleRecompute();
}

void RecommendationViewModel::takeRestart() {
    if (!m_restarts->tryPop()) {
        return;
    }
    m_playedTrackIDs.clear();
    emit playedTrackIDsChanged();
    m_deckStates.clear();
    emit deckStatesChanged();
    scheduleRecompute();
}

void RecommendationViewModel::startPermissionPolling(std::function<bool()> permissionCheck) {
    m_permissionPoller = std::make_unique<PermissionPoller>(
        std::move(permissionCheck),
        PermissionPoller::Intervals{
            std::chrono::milliseconds(m_timing.permissionPollMissingMilliseconds),
            std::chrono::milliseconds(m_timing.permissionPollGrantedMilliseconds)});
    m_permissionPoller->answers()->setNotifier([this] {
        QMetaObject::invokeMethod(this, &RecommendationViewModel::takePermission,
                                  Qt::QueuedConnection);
    });
}

void RecommendationViewModel::takePermission() {
    const std::optional<bool> granted = m_permissionPoller->answers()->tryPop();
    if (!granted) {
        return;
    }
    m_hasAccessibilityPermission = *granted;
    emit hasAccessibilityPermissionChanged();
}

void RecommendationViewModel::requestAccessibilityPermission(std::function<void()> request) {
    m_permissionPoller->request(std::move(request));
}

void RecommendationViewModel::scheduleRecompute() {
    if (m_recomputeScheduled) {
        return;
    }
    m_recomputeScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_recomputeScheduled = false;
            recomputeActiveDecksAndSource();
        },
        Qt::QueuedConnection);
}

void RecommendationViewModel::recomputeActiveDecksAndSource() {
    // The map is ordered by deck, which is the order of the decks' raw values.
    std::vector<decks::DeckState> states;
    states.reserve(m_deckStates.size());
    for (const auto& [deck, state] : m_deckStates) {
        states.push_back(state);
    }

    std::vector<DeckDisplayInfo> rows;
    for (const decks::DeckState& state : states) {
        if (!state.track) {
            continue;
        }
        const Track* match = m_library->deckIndex().find(state.track->title, state.track->artist);
        DeckDisplayInfo row{state.deck, std::nullopt, std::nullopt, state.isPlaying};
        if (match) {
            row.track = *match;
        } else {
            row.unresolvedTrackInfo = UnresolvedTrackInfo{state.track->title, state.track->artist};
        }
        rows.push_back(std::move(row));
    }
    m_activeDeckDisplays = std::move(rows);
    emit activeDeckDisplaysChanged();

    for (const DeckDisplayInfo& row : m_activeDeckDisplays) {
        if (row.isPlaying && row.track) {
            m_playedTrackIDs.insert(row.track->id);
        }
    }
    emit playedTrackIDsChanged();

    LoadedTrackDecks loaded;
    for (const DeckDisplayInfo& row : m_activeDeckDisplays) {
        if (row.track) {
            loaded.try_emplace(row.track->id, row.deck);
        }
    }
    m_loadedTrackDecks = std::move(loaded);
    emit loadedTrackDecksChanged();

    const std::optional<decks::DeckState> source = decks::SourceDeckResolver::resolveSource(states);
    const auto row =
        source ? std::find_if(m_activeDeckDisplays.begin(), m_activeDeckDisplays.end(),
                              [&](const DeckDisplayInfo& r) { return r.deck == source->deck; })
               : m_activeDeckDisplays.end();
    if (row == m_activeDeckDisplays.end()) {
        m_sourceDeck.reset();
        emit sourceDeckChanged();
        m_sourceTrack.reset();
        emit sourceTrackChanged();
        m_unresolvedTrackInfo.reset();
        emit unresolvedTrackInfoChanged();
    } else {
        m_sourceDeck = row->deck;
        emit sourceDeckChanged();
        m_sourceTrack = row->track;
        emit sourceTrackChanged();
        m_unresolvedTrackInfo = row->unresolvedTrackInfo;
        emit unresolvedTrackInfoChanged();
    }
    emit activeDecksRecomputed();

    recomputeFilteredTracks();
}

void RecommendationViewModel::recomputeFilteredTracks() {
    tracklist::TrackListComputation::Result result = tracklist::TrackListComputation::compute(
        *m_library, m_sourceTrack, m_selections, m_searchText.toStdString());
    m_genreOptions = std::move(result.genreOptions);
    emit genreOptionsChanged();
    m_bpmRangeOptions = std::move(result.bpmRangeOptions);
    emit bpmRangeOptionsChanged();
    m_keyOptions = std::move(result.keyOptions);
    emit keyOptionsChanged();
    m_energyOptions = std::move(result.energyOptions);
    emit energyOptionsChanged();
    m_trackScores = std::move(result.trackScores);
    emit trackScoresChanged();
    m_filteredTracks = tracklist::TrackListSnapshot(m_library, std::move(result.trackIndices));
    emit filteredTracksChanged();
    emit filteredTracksRecomputed();
}

void RecommendationViewModel::setSelectedGenres(std::set<std::string> genres) {
    m_selections.genres = std::move(genres);
    emit selectedGenresChanged();
    recomputeFilteredTracks();
}

void RecommendationViewModel::setSelectedBPMRanges(std::set<tracklist::BPMRange> ranges) {
    m_selections.bpmRanges = std::move(ranges);
    emit selectedBPMRangesChanged();
    recomputeFilteredTracks();
}

void RecommendationViewModel::setSelectedKeys(KeySet keys) {
    m_selections.keys = std::move(keys);
    emit selectedKeysChanged();
    recomputeFilteredTracks();
}

void RecommendationViewModel::setSelectedEnergies(std::set<int> energies) {
    m_selections.energies = std::move(energies);
    emit selectedEnergiesChanged();
    recomputeFilteredTracks();
}

void RecommendationViewModel::setSearchText(const QString& text) {
    m_searchText = text;
    emit searchTextChanged();
    // Restarting the single-shot timer drops the pending request: one recomputation after the
    // last keystroke.
    m_searchDebounce.start();
}

void RecommendationViewModel::resetFilters() {
    setSelectedGenres({});
    setSelectedBPMRanges({});
    setSelectedKeys({});
    setSelectedEnergies({});
    setSearchText(QString());
}

void RecommendationViewModel::takeLibrary(
    std::shared_ptr<const tracklist::PreparedLibrary> library) {
    m_library = std::move(library);

    if (!m_selections.genres.empty()) {
        setSelectedGenres({});
    }
    if (!m_selections.bpmRanges.empty()) {
        setSelectedBPMRanges({});
    }
    if (!m_selections.keys.empty()) {
        setSelectedKeys({});
    }
    if (!m_selections.energies.empty()) {
        setSelectedEnergies({});
    }
    if (!m_searchText.isEmpty()) {
        setSearchText(QString());
    }
    m_libraryLoadErrorMessage.reset();
    emit libraryLoadErrorMessageChanged();
    m_libraryTrackCount = static_cast<int>(m_library->tracks().size());
    emit libraryTrackCountChanged();

    scheduleRecompute();
    emit libraryLoadFinished();
}

void RecommendationViewModel::takeLoadFailure(const std::string& message) {
    m_libraryLoadErrorMessage = message;
    emit libraryLoadErrorMessageChanged();
    emit libraryLoadFinished();
}

void RecommendationViewModel::loadLibrary(const std::filesystem::path& path) {
    m_session->load(path);
}

void RecommendationViewModel::clearLibraryLoadError() {
    m_libraryLoadErrorMessage.reset();
    emit libraryLoadErrorMessageChanged();
}

} // namespace cuevox::state
