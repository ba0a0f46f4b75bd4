#pragma once

#include "decks/MonitorEvents.hpp"
#include "decks/RekordboxDeckMonitoring.hpp"
#include "metadata/Track.hpp"
#include "state/FilterState.hpp"
#include "state/LibraryBookmarks.hpp"
#include "state/LibrarySession.hpp"
#include "state/ListModesState.hpp"
#include "state/PermissionPoller.hpp"
#include "state/ShownValues.hpp"
#include "state/StyleSession.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <QObject>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace cuevox::state {

// The view model's waits; tests shorten them.
struct ViewModelTiming {
    std::chrono::milliseconds searchDebounce{200};
    PermissionPoller::Intervals permissionPoll{std::chrono::seconds(1), std::chrono::seconds(15)};
    // How long a track stays the source before the set log takes it.
    std::chrono::milliseconds setLogHold = std::chrono::minutes(1);
};

// The one state object behind the main window: the collection, what the decks show, the
// filter choices and the ranked list. Lives on the main thread. A thin face over the parts that
// do the work: the collection session, the deck session, the filter state, the live-set modes
// and the list computation. Views change the filters and the modes through their parts, and
// redraw on the change signals, which fire once per change of value, in the order of assignment.
class RecommendationViewModel : public QObject {
    Q_OBJECT

public:
    using Timing = ViewModelTiming;

    static constexpr const char* kLastLibraryKey = LibrarySession::kLastLibraryKey;

    // Starts consuming the monitor's streams, polls `permissionCheck` off the main thread, and
    // starts loading the file remembered in `settings` (the application's QSettings when null)
    // through `bookmarks`. Until the first answer the permission counts as granted, so that a
    // trusted start never flashes the permission banner.
    RecommendationViewModel(std::unique_ptr<decks::RekordboxDeckMonitoring> deckMonitor,
                            std::function<bool()> permissionCheck, QSettings* settings = nullptr,
                            Timing timing = {}, LibraryBookmarks bookmarks = {},
                            QObject* parent = nullptr);
    ~RecommendationViewModel() override;

    const ShownDecks& decks() const { return m_shownDecks; }
    const ShownList& list() const { return m_shownList; }

    // The filter choices and the search text; a change lists again.
    FilterState& filters() { return m_filters; }
    const FilterState& filters() const { return m_filters; }
    // The live-set modes and the Open Key reading; a filter Reset leaves them as they are. A
    // mode lists again at once; Open Key reads the open collection again, which stays until
    // that succeeds.
    ListModesState& modes() { return *m_modes; }
    const ListModesState& modes() const { return *m_modes; }
    // The DJ's style: the model the style mode ranks by, and the set log.
    StyleSession& style() { return *m_style; }
    const StyleSession& style() const { return *m_style; }

    int libraryTrackCount() const { return m_libraryTrackCount; }
    // Why the last load failed, until it is dismissed or a load succeeds.
    const std::optional<LoadFailure>& libraryLoadError() const { return m_libraryLoadError; }
    // Whether a collection file has loaded, even one without tracks.
    bool libraryOpen() const { return m_session->openPath().has_value(); }
    const std::optional<LoadProgress>& libraryLoadProgress() const { return m_session->progress(); }
    const std::vector<metadata::Track>& library() const { return m_library->tracks(); }
    // The playlist ids of the collection, each once in file order.
    const std::vector<std::string>& crateIDs() const { return m_library->playlistIDs(); }
    // The open collection as the list computes from it: its crates in their tree, for one.
    const std::shared_ptr<const tracklist::PreparedLibrary>& preparedLibrary() const {
        return m_library;
    }
    // The own name of the crate with this id, without its folders.
    std::string_view crateName(std::string_view id) const { return m_library->playlistName(id); }
    // How many tracks the crate with this id holds; nothing when no playlist has the id.
    std::optional<std::size_t> crateTrackCount(std::string_view id) const {
        const auto tracks = m_library->playlistTracks(id);
        return tracks ? std::optional(tracks->size()) : std::nullopt;
    }
    bool hasAccessibilityPermission() const { return m_hasAccessibilityPermission; }

    // Starts loading a collection file in the background and returns; everything stays usable
    // meanwhile. Once it has loaded it replaces the collection whole and is remembered; a
    // failure keeps everything as it was and only sets libraryLoadError. A newer load
    // cancels an older one.
    void loadLibrary(const std::filesystem::path& path) { m_session->load(path); }
    void clearLibraryLoadError();
    // Runs the platform's permission request off the main thread, then reads the permission
    // again at once.
    void requestAccessibilityPermission(std::function<void()> request) {
        m_permissionPoller->request(std::move(request));
    }

signals:
    void decksChanged();
    void listChanged();
    // One per computation of the list, changed or not, for those who count them.
    void listRecomputed();
    void libraryTrackCountChanged();
    void libraryLoadErrorChanged();
    void libraryLoadProgressChanged();
    void crateIDsChanged();
    void hasAccessibilityPermissionChanged();
    // A load's outcome has been taken over, whichever it was.
    void libraryLoadFinished();

private:
    void takeLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library);
    void takeLoadFailure(const LoadFailure& failure);
    void scheduleRecompute();
    void recomputeDecks();
    void relist();
    void recomputeList();

    // Before the monitor, so that the monitor is stopped first: the permission thread may wait
    // for the backend while the monitor's thread is in a read of a frozen rekordbox, and the
    // close then waits for that one read only.
    std::unique_ptr<PermissionPoller> m_permissionPoller;
    std::unique_ptr<decks::RekordboxDeckMonitoring> m_deckMonitor;
    std::unique_ptr<decks::MonitorEvents> m_deckEvents;
    QSettings* m_settings;
    std::unique_ptr<QSettings> m_ownSettings;
    std::unique_ptr<ListModesState> m_modes;
    std::unique_ptr<LibrarySession> m_session;
    std::unique_ptr<StyleSession> m_style;
    std::shared_ptr<const tracklist::PreparedLibrary> m_library =
        std::make_shared<const tracklist::PreparedLibrary>();
    // Borrows the deck index of m_library.
    decks::DeckSession m_decks{m_library->deckIndex()};
    FilterState m_filters;

    // What the views were last told.
    ShownDecks m_shownDecks;
    ShownList m_shownList;
    int m_libraryTrackCount = 0;
    std::optional<LoadFailure> m_libraryLoadError;
    bool m_hasAccessibilityPermission = true;

    bool m_recomputeScheduled = false;
};

} // namespace cuevox::state
