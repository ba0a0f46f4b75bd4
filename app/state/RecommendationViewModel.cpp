#include "state/RecommendationViewModel.hpp"

#include "state/Publish.hpp"
#include "state/TakeQueued.hpp"
#include "tracklist/LiveInputsOfSession.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <QSettings>

namespace cuevox::state {
namespace {

using Model = RecommendationViewModel;

importing::LibraryReadOptions readOptions(bool openKey) {
    importing::LibraryReadOptions options;
    options.keyNotation.openKey = openKey;
    return options;
}

} // namespace

Model::RecommendationViewModel(std::unique_ptr<decks::RekordboxDeckMonitoring> deckMonitor,
                               std::function<bool()> permissionCheck, QSettings* settings,
                               Timing timing, LibraryBookmarks bookmarks, QObject* parent)
    : QObject(parent), m_deckMonitor(std::move(deckMonitor)),
      m_deckEvents(std::make_unique<decks::MonitorEvents>(*m_deckMonitor)), m_settings(settings),
      m_filters(timing.searchDebounce) {
    if (m_settings == nullptr) {
        m_ownSettings = std::make_unique<QSettings>();
        m_settings = m_ownSettings.get();
    }
    m_modes = std::make_unique<ListModesState>(*m_settings);
    m_style = std::make_unique<StyleSession>(*m_settings, *m_modes, timing.setLogHold);
    connect(m_modes.get(), &ListModesState::modesChanged, this, &Model::relist);
    // A model is made only while the style is on.
    connect(m_style.get(), &StyleSession::modelChanged, this, &Model::relist);
    connect(this, &Model::decksChanged, m_style.get(),
            [this] { m_style->sourceChanged(m_shownDecks.sourceTrack); });
    m_session = std::make_unique<LibrarySession>(*m_settings, std::move(bookmarks));
    m_session->setReadOptions(readOptions(m_modes->openKey()));
    m_deckMonitor->setKeyNotation(readOptions(m_modes->openKey()).keyNotation);
    connect(m_modes.get(), &ListModesState::openKeyChanged, this, [this] {
        m_session->setReadOptions(readOptions(m_modes->openKey()));
        m_deckMonitor->setKeyNotation(readOptions(m_modes->openKey()).keyNotation);
    });
    connect(m_session.get(), &LibrarySession::progressChanged, this,
            &Model::libraryLoadProgressChanged);
    connect(m_session.get(), &LibrarySession::loaded, this, &Model::takeLibrary);
    connect(m_session.get(), &LibrarySession::failed, this, &Model::takeLoadFailure);
    connect(&m_filters, &FilterState::listNeeded, this, &Model::relist);

    takeQueued(this, m_deckEvents->queue(), [this](decks::MonitorEvent event) {
        if (auto* state = std::get_if<decks::DeckState>(&event)) {
            m_decks.update(std::move(*state));
        } else {
            m_decks.restart();
        }
        scheduleRecompute();
    });
    m_permissionPoller =
        std::make_unique<PermissionPoller>(std::move(permissionCheck), timing.permissionPoll);
    takeQueued(this, *m_permissionPoller->answers(), [this](bool granted) {
        publish(*this, m_hasAccessibilityPermission, granted,
                &Model::hasAccessibilityPermissionChanged);
    });
    m_session->reopenRemembered();
}

Model::~RecommendationViewModel() {
    // Once these return no notifier runs or will run on the monitor's thread; events already
    // posted to this object die with it.
    m_deckEvents.reset();
    m_permissionPoller->answers()->setNotifier(nullptr);
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
            recomputeDecks();
        },
        Qt::QueuedConnection);
}

void Model::recomputeDecks() {
    m_decks.resolve();
    publish(*this, m_shownDecks,
            ShownDecks{m_decks.activeDecks(), m_decks.sourceDeck(), m_decks.sourceTrack(),
                       m_decks.unresolvedTrackInfo(), m_decks.playedTrackIDs(),
                       m_decks.loadedTrackDecks()},
            &Model::decksChanged);
    recomputeList();
}

// A list computed now would only be replaced by the one a pending recomputation brings.
void Model::relist() {
    if (!m_recomputeScheduled) {
        recomputeList();
    }
}

void Model::recomputeList() {
    tracklist::LiveInputs live = tracklist::liveInputsOf(m_decks);
    live.style = m_style->modelFor(*m_library);
    tracklist::TrackListComputation::Result result = tracklist::TrackListComputation::compute(
        *m_library, m_shownDecks.sourceTrack, m_filters.selections(),
        m_filters.searchText().toStdString(), m_modes->modes(), live);
    publish(*this, m_shownList,
            ShownList{tracklist::TrackListSnapshot(m_library, std::move(result.rows)),
                      std::move(result.genreOptions), std::move(result.bpmRangeOptions),
                      std::move(result.keyOptions), std::move(result.energyOptions)},
            &Model::listChanged);
    emit listRecomputed();
}

void Model::takeLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    m_library = std::move(library);
    m_decks.matchAgainst(m_library->deckIndex());
    m_style->setCollection(m_library);
    // The one recomputation this schedules lists the new collection for the cleared filters
    // and the crate dropped too.
    scheduleRecompute();
    emit crateIDsChanged();
    m_modes->dropCrateUnlessIn(m_library->playlistIDs());
    m_filters.clear();
    publish(*this, m_libraryLoadError, {}, &Model::libraryLoadErrorChanged);
    publish(*this, m_libraryTrackCount, static_cast<int>(m_library->tracks().size()),
            &Model::libraryTrackCountChanged);
    emit libraryLoadFinished();
}

void Model::takeLoadFailure(const LoadFailure& failure) {
    publish(*this, m_libraryLoadError, std::optional(failure), &Model::libraryLoadErrorChanged);
    emit libraryLoadFinished();
}

void Model::clearLibraryLoadError() {
    publish(*this, m_libraryLoadError, {}, &Model::libraryLoadErrorChanged);
}

} // namespace cuevox::state
