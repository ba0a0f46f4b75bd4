#include "state/RecommendationViewModel.hpp"

#include "state/Publish.hpp"
#include "tracklist/LiveInputsOfSession.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <QSettings>
#include <QSignalBlocker>

namespace cuevox::state {
namespace {

using Model = RecommendationViewModel;

// Hands each element that another thread queues to `take` on the model's thread, as one queued
// call per element in the order pushed: a restart queued before a poll's states is also taken
// before them.
template <typename T, typename Take>
void takeQueued(Model* model, decks::EventQueue<T>& queue, Take take) {
    queue.setNotifier([model, &queue, take] {
        QMetaObject::invokeMethod(
            model,
            [&queue, take] {
                if (std::optional<T> element = queue.tryPop()) {
                    take(std::move(*element));
                }
            },
            Qt::QueuedConnection);
    });
}

import::LibraryReadOptions readOptions(bool openKey){import::LibraryReadOptions options;
options.keyNotation.openKey = openKey;
return options;
} // namespace

} // namespace cuevox::state

Model::RecommendationViewModel(std::unique_ptr<decks::RekordboxDeckMonitoring> deckMonitor,
                               std::function<bool()> permissionCheck, QSettings* settings,
                               Timing timing, LibraryBookmarks bookmarks, QObject* parent)
    : QObject(parent), m_deckMonitor(std::move(deckMonitor)),
      m_deckStateUpdates(m_deckMonitor->deckStateUpdates()),
      m_restarts(m_deckMonitor->rekordboxDidRestart()), m_settings(settings), m_timing(timing),
      m_filters(std::chrono::milliseconds(timing.searchDebounceMilliseconds)) {
    if (m_settings == nullptr) {
        m_ownSettings = std::make_unique<QSettings>();
        m_settings = m_ownSettings.get();
    }
    m_modes = std::make_unique<ListModesState>(*m_settings);
    connect(m_modes.get(), &ListModesState::modesChanged, this, [this] {
        emit listModesChanged();
        recomputeFilteredTracks();
    });
    m_session = std::make_unique<LibrarySession>(*m_settings, std::move(bookmarks));
    m_session->setReadOptions(readOptions(m_modes->openKey()));
    connect(m_modes.get(), &ListModesState::openKeyChanged, this, [this] {
        emit openKeyChanged();
        m_session->setReadOptions(readOptions(m_modes->openKey()));
    });
    connect(m_session.get(), &LibrarySession::progressChanged, this,
            &Model::libraryLoadProgressChanged);
    connect(m_session.get(), &LibrarySession::loaded, this, &Model::takeLibrary);
    connect(m_session.get(), &LibrarySession::failed, this, &Model::takeLoadFailure);

    connect(&m_filters, &FilterState::genresChanged, this, &Model::selectedGenresChanged);
    connect(&m_filters, &FilterState::bpmRangesChanged, this, &Model::selectedBPMRangesChanged);
    connect(&m_filters, &FilterState::keysChanged, this, &Model::selectedKeysChanged);
    connect(&m_filters, &FilterState::energiesChanged, this, &Model::selectedEnergiesChanged);
    connect(&m_filters, &FilterState::searchTextChanged, this, &Model::searchTextChanged);
    connect(&m_filters, &FilterState::listNeeded, this, &Model::recomputeFilteredTracks);

    takeQueued(this, *m_deckStateUpdates, [this](decks::DeckState s) { takeDeckState(s); });
    takeQueued(this, *m_restarts, [this](decks::RekordboxRestart) { takeRestart(); });
    m_permissionPoller = std::make_unique<PermissionPoller>(
        std::move(permissionCheck),
        PermissionPoller::Intervals{
            std::chrono::milliseconds(m_timing.permissionPollMissingMilliseconds),
            std::chrono::milliseconds(m_timing.permissionPollGrantedMilliseconds)});
    takeQueued(this, *m_permissionPoller->answers(), [this](bool granted) {
        publish(*this, m_hasAccessibilityPermission, granted,
                &Model::hasAccessibilityPermissionChanged);
    });
    m_session->reopenRemembered();
}

Model::~RecommendationViewModel() {
    // Once these return no notifier runs or will run on the monitor's thread; events already
    // posted to this object die with it.
    m_deckStateUpdates->setNotifier(nullptr);
    m_restarts->setNotifier(nullptr);
    m_permissionPoller->answers()->setNotifier(nullptr);
}

void Model::takeDeckState(decks::DeckState state) {
    if (m_decks.update(std::move(state))) {
        emit deckStatesChanged();
    }
    scheduleRecompute();
}

void Model::takeRestart() {
    const bool hadDecks = !m_decks.deckStates().empty();
    m_decks.restart();
    publish(*this, m_playedTrackIDs, m_decks.playedTrackIDs(), &Model::playedTrackIDsChanged);
    if (hadDecks) {
        emit deckStatesChanged();
    }
    scheduleRecompute();
}

void Model::scheduleRecompute() {
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

void Model::recomputeActiveDecksAndSource() {
    m_decks.resolve();
    publish(*this, m_activeDeckDisplays, m_decks.activeDecks(), &Model::activeDeckDisplaysChanged);
    publish(*this, m_playedTrackIDs, m_decks.playedTrackIDs(), &Model::playedTrackIDsChanged);
    publish(*this, m_loadedTrackDecks, m_decks.loadedTrackDecks(), &Model::loadedTrackDecksChanged);
    publish(*this, m_sourceDeck, m_decks.sourceDeck(), &Model::sourceDeckChanged);
    publish(*this, m_sourceTrack, m_decks.sourceTrack(), &Model::sourceTrackChanged);
    publish(*this, m_unresolvedTrackInfo, m_decks.unresolvedTrackInfo(),
            &Model::unresolvedTrackInfoChanged);
    emit activeDecksRecomputed();
    recomputeFilteredTracks();
}

void Model::recomputeFilteredTracks() {
    tracklist::TrackListComputation::Result result = tracklist::TrackListComputation::compute(
        *m_library, m_sourceTrack, selections(), searchText().toStdString(), listModes(),
        tracklist::liveInputsOf(m_decks));
    publish(*this, m_genreOptions, std::move(result.genreOptions), &Model::genreOptionsChanged);
    publish(*this, m_bpmRangeOptions, std::move(result.bpmRangeOptions),
            &Model::bpmRangeOptionsChanged);
    publish(*this, m_keyOptions, std::move(result.keyOptions), &Model::keyOptionsChanged);
    publish(*this, m_energyOptions, std::move(result.energyOptions), &Model::energyOptionsChanged);
    publish(*this, m_filteredTracks, tracklist::TrackListSnapshot(m_library, std::move(result.rows)),
            &Model::filteredTracksChanged);
    emit filteredTracksRecomputed();
}

void Model::takeLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    m_library = std::move(library);
    m_decks.matchAgainst(m_library->deckIndex());
    emit crateIDsChanged();
    if (const auto& crate = listModes().playlistID; crate && !m_library->playlistTracks(*crate)) {
        // Quiet, as the one recomputation below lists the whole collection.
        const QSignalBlocker quiet(m_modes.get());
        m_modes->setCrate(std::nullopt);
        emit listModesChanged();
    }
    // The one recomputation below lists the new collection for the cleared filters too.
    m_filters.clear();
    publish(*this, m_libraryLoadErrorMessage, {}, &Model::libraryLoadErrorMessageChanged);
    publish(*this, m_libraryTrackCount, static_cast<int>(m_library->tracks().size()),
            &Model::libraryTrackCountChanged);
    scheduleRecompute();
    emit libraryLoadFinished();
}

void Model::takeLoadFailure(const std::string& message) {
    publish(*this, m_libraryLoadErrorMessage, std::optional<std::string>(message),
            &Model::libraryLoadErrorMessageChanged);
    emit libraryLoadFinished();
}

void Model::clearLibraryLoadError() {
    publish(*this, m_libraryLoadErrorMessage, {}, &Model::libraryLoadErrorMessageChanged);
}

} // namespace cuevox::state
