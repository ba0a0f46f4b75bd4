#pragma once

#include "decks/DeckDisplayInfo.hpp"
#include "decks/DeckSession.hpp"
#include "decks/DeckState.hpp"
#include "decks/RekordboxDeckMonitoring.hpp"
#include "metadata/Track.hpp"
#include "state/FilterState.hpp"
#include "state/LibraryBookmarks.hpp"
#include "state/LibrarySession.hpp"
#include "state/ListModesState.hpp"
#include "state/PermissionPoller.hpp"
#include "tracklist/FilterOptions.hpp"
#include "tracklist/FilterSelections.hpp"
#include "tracklist/ListModes.hpp"
#include "tracklist/PreparedLibrary.hpp"
#include "tracklist/TrackListSnapshot.hpp"

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace cuevox::state {

using decks::DeckDisplayInfo;
using decks::UnresolvedTrackInfo;

// The view model's waits; tests shorten them.
struct ViewModelTiming {
    int searchDebounceMilliseconds = 200;
    int permissionPollMissingMilliseconds = 1000;
    int permissionPollGrantedMilliseconds = 15000;
};

// The one state object behind the main window: the collection, what the decks show, the
// filter choices and the ranked list. Lives on the main thread; views read its properties and
// redraw on their change signals, which fire once per change of value, in the order of
// assignment. A thin face over the parts that do the work: the collection session, the deck
// session, the filter state and the list computation.
class RecommendationViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        std::optional<metadata::Track> sourceTrack READ sourceTrack NOTIFY sourceTrackChanged)
    Q_PROPERTY(
        std::optional<decks::DeckIdentifier> sourceDeck READ sourceDeck NOTIFY sourceDeckChanged)
    Q_PROPERTY(std::optional<UnresolvedTrackInfo> unresolvedTrackInfo READ unresolvedTrackInfo
                   NOTIFY unresolvedTrackInfoChanged)
    Q_PROPERTY(std::vector<DeckDisplayInfo> activeDeckDisplays READ activeDeckDisplays NOTIFY
                   activeDeckDisplaysChanged)
    Q_PROPERTY(
        std::set<std::string> playedTrackIDs READ playedTrackIDs NOTIFY playedTrackIDsChanged)
    Q_PROPERTY(
        LoadedTrackDecks loadedTrackDecks READ loadedTrackDecks NOTIFY loadedTrackDecksChanged)
    Q_PROPERTY(DeckStates deckStates READ deckStates NOTIFY deckStatesChanged)
    Q_PROPERTY(int libraryTrackCount READ libraryTrackCount NOTIFY libraryTrackCountChanged)
    Q_PROPERTY(std::optional<std::string> libraryLoadErrorMessage READ libraryLoadErrorMessage
                   NOTIFY libraryLoadErrorMessageChanged)
    Q_PROPERTY(std::optional<LoadProgress> libraryLoadProgress READ libraryLoadProgress NOTIFY
                   libraryLoadProgressChanged)
    Q_PROPERTY(std::vector<tracklist::GenreOption> genreOptions READ genreOptions NOTIFY
                   genreOptionsChanged)
    Q_PROPERTY(std::vector<tracklist::BPMRangeOption> bpmRangeOptions READ bpmRangeOptions NOTIFY
                   bpmRangeOptionsChanged)
    Q_PROPERTY(
        std::vector<tracklist::KeyOption> keyOptions READ keyOptions NOTIFY keyOptionsChanged)
    Q_PROPERTY(std::vector<tracklist::EnergyOption> energyOptions READ energyOptions NOTIFY
                   energyOptionsChanged)
    Q_PROPERTY(std::set<std::string> selectedGenres READ selectedGenres WRITE setSelectedGenres
                   NOTIFY selectedGenresChanged)
    Q_PROPERTY(std::set<tracklist::BPMRange> selectedBPMRanges READ selectedBPMRanges WRITE
                   setSelectedBPMRanges NOTIFY selectedBPMRangesChanged)
    Q_PROPERTY(
        KeySet selectedKeys READ selectedKeys WRITE setSelectedKeys NOTIFY selectedKeysChanged)
    Q_PROPERTY(std::set<int> selectedEnergies READ selectedEnergies WRITE setSelectedEnergies NOTIFY
                   selectedEnergiesChanged)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(tracklist::TrackListSnapshot filteredTracks READ filteredTracks NOTIFY
                   filteredTracksChanged)
    Q_PROPERTY(tracklist::ListModes listModes READ listModes NOTIFY listModesChanged)
    Q_PROPERTY(bool openKey READ openKey WRITE setOpenKey NOTIFY openKeyChanged)
    Q_PROPERTY(std::vector<std::string> crateIDs READ crateIDs NOTIFY crateIDsChanged)
    Q_PROPERTY(bool hasAccessibilityPermission READ hasAccessibilityPermission NOTIFY
                   hasAccessibilityPermissionChanged)

public:
    using LoadedTrackDecks = decks::DeckSession::LoadedTrackDecks;
    using DeckStates = decks::DeckSession::DeckStates;
    using KeySet = FilterState::KeySet;

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

    const std::optional<metadata::Track>& sourceTrack() const { return m_sourceTrack; }
    const std::optional<decks::DeckIdentifier>& sourceDeck() const { return m_sourceDeck; }
    const std::optional<UnresolvedTrackInfo>& unresolvedTrackInfo() const {
        return m_unresolvedTrackInfo;
    }
    const std::vector<DeckDisplayInfo>& activeDeckDisplays() const { return m_activeDeckDisplays; }
    const std::set<std::string>& playedTrackIDs() const { return m_playedTrackIDs; }
    const LoadedTrackDecks& loadedTrackDecks() const { return m_loadedTrackDecks; }
    const DeckStates& deckStates() const { return m_decks.deckStates(); }
    int libraryTrackCount() const { return m_libraryTrackCount; }
    const std::optional<std::string>& libraryLoadErrorMessage() const {
        return m_libraryLoadErrorMessage;
    }
    const std::optional<LoadProgress>& libraryLoadProgress() const { return m_session->progress(); }
    const std::vector<tracklist::GenreOption>& genreOptions() const { return m_genreOptions; }
    const std::vector<tracklist::BPMRangeOption>& bpmRangeOptions() const {
        return m_bpmRangeOptions;
    }
    const std::vector<tracklist::KeyOption>& keyOptions() const { return m_keyOptions; }
    const std::vector<tracklist::EnergyOption>& energyOptions() const { return m_energyOptions; }
    const std::set<std::string>& selectedGenres() const { return selections().genres; }
    const std::set<tracklist::BPMRange>& selectedBPMRanges() const {
        return selections().bpmRanges;
    }
    const KeySet& selectedKeys() const { return selections().keys; }
    const std::set<int>& selectedEnergies() const { return selections().energies; }
    const tracklist::FilterSelections& selections() const { return m_filters.selections(); }
    const QString& searchText() const { return m_filters.searchText(); }
    // The listed tracks with their scores and, in the tempo mode, how to pitch them.
    const tracklist::TrackListSnapshot& filteredTracks() const { return m_filteredTracks; }
    // The live-set modes; a filter Reset leaves them as they are.
    const tracklist::ListModes& listModes() const { return m_modes->modes(); }
    // Whether key texts in the Open Key notation are read as keys.
    bool openKey() const { return m_modes->openKey(); }
    // The playlist ids of the collection, each once in file order.
    const std::vector<std::string>& crateIDs() const { return m_library->playlistIDs(); }
    // How many tracks the crate with this id holds; nothing when no playlist has the id.
    std::optional<std::size_t> crateTrackCount(std::string_view id) const {
        const auto tracks = m_library->playlistTracks(id);
        return tracks ? std::optional(tracks->size()) : std::nullopt;
    }
    bool hasAccessibilityPermission() const { return m_hasAccessibilityPermission; }

    const std::vector<metadata::Track>& library() const { return m_library->tracks(); }
    const std::vector<std::string>& availableGenreNames() const {
        return m_library->availableGenreNames();
    }
    const std::vector<tracklist::BPMRange>& bpmRangeBuckets() const {
        return m_library->bpmRangeBuckets();
    }

    void setSelectedGenres(std::set<std::string> genres) { m_filters.setGenres(std::move(genres)); }
    void setSelectedBPMRanges(std::set<tracklist::BPMRange> ranges) {
        m_filters.setBPMRanges(std::move(ranges));
    }
    void setSelectedKeys(KeySet keys) { m_filters.setKeys(std::move(keys)); }
    void setSelectedEnergies(std::set<int> energies) { m_filters.setEnergies(std::move(energies)); }
    void setSearchText(const QString& text) { m_filters.setSearchText(text); }
    void resetFilters() { m_filters.reset(); }

    // Each mode is remembered at once and lists again.
    void setPitchRange(tracklist::PitchRange range) { m_modes->setPitchRange(range); }
    void setHalfDouble(bool on) { m_modes->setHalfDouble(on); }
    void setEnergyDirection(tracklist::EnergyDirection direction) {
        m_modes->setEnergyDirection(direction);
    }
    // No id lists the whole collection; a collection without the id drops it when it loads.
    void setCrate(std::optional<std::string> playlistID) {
        m_modes->setCrate(std::move(playlistID));
    }
    void setHidePlayed(bool on) { m_modes->setHidePlayed(on); }
    void setVaryArtists(bool on) { m_modes->setVaryArtists(on); }
    // Remembered at once; the open collection is read again, and stays until that succeeds.
    void setOpenKey(bool on) { m_modes->setOpenKey(on); }

    // Starts loading a collection file in the background and returns; everything stays usable
    // meanwhile. Once it has loaded it replaces the collection whole and is remembered; a
    // failure keeps everything as it was and only sets libraryLoadErrorMessage. A newer load
    // cancels an older one.
    void loadLibrary(const std::filesystem::path& path) { m_session->load(path); }
    void clearLibraryLoadError();
    // Runs the platform's permission request off the main thread, then reads the permission
    // again at once.
    void requestAccessibilityPermission(std::function<void()> request) {
        m_permissionPoller->request(std::move(request));
    }

signals:
    void sourceTrackChanged();
    void sourceDeckChanged();
    void unresolvedTrackInfoChanged();
    void activeDeckDisplaysChanged();
    void playedTrackIDsChanged();
    void loadedTrackDecksChanged();
    void deckStatesChanged();
    void libraryTrackCountChanged();
    void libraryLoadErrorMessageChanged();
    void libraryLoadProgressChanged();
    void genreOptionsChanged();
    void bpmRangeOptionsChanged();
    void keyOptionsChanged();
    void energyOptionsChanged();
    void selectedGenresChanged();
    void selectedBPMRangesChanged();
    void selectedKeysChanged();
    void selectedEnergiesChanged();
    void searchTextChanged();
    void filteredTracksChanged();
    void listModesChanged();
    void openKeyChanged();
    void crateIDsChanged();
    void hasAccessibilityPermissionChanged();
    // One per recomputation of decks and source, for those who count them (tests, profiling).
    void activeDecksRecomputed();
    void filteredTracksRecomputed();
    // A load's outcome has been taken over, whichever it was.
    void libraryLoadFinished();

private:
    void takeLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library);
    void takeLoadFailure(const std::string& message);
    void takeDeckState(decks::DeckState state);
    void takeRestart();
    void scheduleRecompute();
    void recomputeActiveDecksAndSource();
    void recomputeFilteredTracks();

    // Before the monitor, so that the monitor is stopped first: the permission thread may wait
    // for the backend while the monitor's thread is in a read of a frozen rekordbox, and the
    // close then waits for that one read only.
    std::unique_ptr<PermissionPoller> m_permissionPoller;
    std::unique_ptr<decks::RekordboxDeckMonitoring> m_deckMonitor;
    std::shared_ptr<decks::EventQueue<decks::DeckState>> m_deckStateUpdates;
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>> m_restarts;
    QSettings* m_settings;
    std::unique_ptr<QSettings> m_ownSettings;
    Timing m_timing;
    std::unique_ptr<ListModesState> m_modes;
    std::unique_ptr<LibrarySession> m_session;
    std::shared_ptr<const tracklist::PreparedLibrary> m_library =
        std::make_shared<const tracklist::PreparedLibrary>();
    // Borrows the deck index of m_library.
    decks::DeckSession m_decks{m_library->deckIndex()};
    FilterState m_filters;

    // What the views were last told; each differs from the parts' values only until the next
    // publication.
    std::optional<metadata::Track> m_sourceTrack;
    std::optional<decks::DeckIdentifier> m_sourceDeck;
    std::optional<UnresolvedTrackInfo> m_unresolvedTrackInfo;
    std::vector<DeckDisplayInfo> m_activeDeckDisplays;
    std::set<std::string> m_playedTrackIDs;
    LoadedTrackDecks m_loadedTrackDecks;
    int m_libraryTrackCount = 0;
    std::optional<std::string> m_libraryLoadErrorMessage;
    std::vector<tracklist::GenreOption> m_genreOptions;
    std::vector<tracklist::BPMRangeOption> m_bpmRangeOptions;
    std::vector<tracklist::KeyOption> m_keyOptions;
    std::vector<tracklist::EnergyOption> m_energyOptions;
    tracklist::TrackListSnapshot m_filteredTracks;
    bool m_hasAccessibilityPermission = true;

    bool m_recomputeScheduled = false;
};

} // namespace cuevox::state
