#include "state/RecommendationViewModel.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace cuevox::state {
namespace {

using decks::DeckIdentifier;
using decks::DeckState;
using metadata::Track;

// Deck states and restarts the test pushes, as the monitor's thread would.
class FakeMonitor final : public decks::RekordboxDeckMonitoring {
public:
    std::shared_ptr<decks::EventQueue<DeckState>> deckStateUpdates() const override {
        return states;
    }
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>>
    rekordboxDidRestart() const override {
        return restarts;
    }
    std::shared_ptr<decks::EventQueue<DeckState>> states =
        std::make_shared<decks::EventQueue<DeckState>>();
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>> restarts =
        std::make_shared<decks::EventQueue<decks::RekordboxRestart>>();
};

constexpr const char* kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Location="/a.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" Genre="house" AverageBpm="128.50" Tonality="9A" Comments="E7" Location="/b.mp3"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" Genre="Techno" AverageBpm="140.00" Tonality="3A" Comments="E2" Location="/c.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

constexpr const char* kOtherCollection = R"(<C>
  <TRACK TrackID="9" Name="Unknown Song" Artist="Somebody" Genre="Disco" AverageBpm="118.00"/>
</C>)";

DeckState deckState(DeckIdentifier deck,
                    std::optional<std::pair<std::string, std::string>> titleArtist, bool playing) {
    DeckState state{deck, std::nullopt, playing, false, std::nullopt, {}};
    if (titleArtist) {
        Track track{};
        track.id = titleArtist->second + "::" + titleArtist->first;
        track.title = titleArtist->first;
        track.artist = titleArtist->second;
        state.track = track;
    }
    return state;
}

// The system's bookmarks as the tests need them: each names a file by identity, so a moved
// file is found where it is now; the test decides which bookmarks the system calls stale.
struct FakeBookmarkStore {
    std::map<QByteArray, std::filesystem::path> places;
    std::set<QByteArray> stale;
    bool canCreate = true;
    int created = 0;

    LibraryBookmarks bookmarks() {
        return LibraryBookmarks::overBookmarkData(
            [this](const std::filesystem::path& path) {
                if (!canCreate) {
                    return QByteArray();
                }
                const QByteArray bookmark = "bookmark-" + QByteArray::number(++created);
                places[bookmark] = path;
                return bookmark;
            },
            [this](const QByteArray& bookmark) -> std::optional<LibraryBookmarks::Resolved> {
                const auto place = places.find(bookmark);
                if (place == places.end()) {
                    return std::nullopt;
                }
                return LibraryBookmarks::Resolved{place->second, stale.contains(bookmark)};
            });
    }
};

// The stored value with its type, which decides how the next start reads it.
std::string describe(const QVariant& value) {
    if (!value.isValid()) {
        return "nothing";
    }
    return std::string(value.typeName()) + " " + value.toString().toStdString();
}

class RecommendationViewModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::path(::testing::TempDir()) /
                    ("cuevox-vm-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        collection = write("collection.xml", kCollection);
        other = write("other.xml", kOtherCollection);
        settings = std::make_unique<QSettings>(
            QString::fromStdString((directory / "settings.ini").string()), QSettings::IniFormat);
    }
    void TearDown() override {
        model.reset();
        settings.reset();
        std::filesystem::remove_all(directory);
    }

    std::filesystem::path write(const char* name, const char* text) {
        std::ofstream(directory / name) << text;
        return directory / name;
    }

    RecommendationViewModel& make(ViewModelTiming timing = {10, 20, 200},
                                  LibraryBookmarks bookmarks = {}) {
        auto fake = std::make_unique<FakeMonitor>();
        monitor = fake.get();
        model = std::make_unique<RecommendationViewModel>(
            std::move(fake),
            [this] {
                ++permissionChecks;
                checkedOnTheMainThread =
                    checkedOnTheMainThread || QThread::currentThread() == qApp->thread();
                return permission.load();
            },
            settings.get(), timing, std::move(bookmarks));
        waitForLoad();
        return *model;
    }

    // Waits until the view model has taken over the outcome of the load that runs, if any.
    void waitForLoad() {
        if (model->libraryLoadProgress()) {
            QSignalSpy finished(model.get(), &RecommendationViewModel::libraryLoadFinished);
            ASSERT_TRUE(finished.wait(10000));
        }
    }

    void load(const std::filesystem::path& path) {
        model->loadLibrary(path);
        waitForLoad();
    }

    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    std::vector<std::string> listedIds() const {
        std::vector<std::string> ids;
        for (std::size_t row = 0; row < model->filteredTracks().size(); ++row) {
            ids.push_back(model->filteredTracks()[row].id);
        }
        return ids;
    }

    std::filesystem::path directory, collection, other;
    std::unique_ptr<QSettings> settings;
    FakeMonitor* monitor = nullptr;
    std::unique_ptr<RecommendationViewModel> model;
    // Set by the test, read on the permission thread.
    std::atomic<bool> permission = true;
    std::atomic<int> permissionChecks = 0;
    std::atomic<bool> checkedOnTheMainThread = false;
};

TEST_F(RecommendationViewModelTest, DeckStatesOfOneTurnRecomputeOnceInDeckOrder) {
    auto& vm = make();
    load(collection);
    settle();
    QSignalSpy recomputed(&vm, &RecommendationViewModel::activeDecksRecomputed);
    monitor->states->push(deckState(DeckIdentifier::deck3, {{"Far", "Third"}}, false));
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Near", "Other"}}, false));
    settle();
    EXPECT_EQ(recomputed.count(), 1);
    ASSERT_EQ(vm.activeDeckDisplays().size(), 2U);
    EXPECT_EQ(vm.activeDeckDisplays()[0].deck, DeckIdentifier::deck1);
    EXPECT_EQ(vm.activeDeckDisplays()[1].deck, DeckIdentifier::deck3);
    EXPECT_EQ(vm.deckStates().size(), 2U);
}

TEST_F(RecommendationViewModelTest, SourcePlayedAndLoadedFollowTheDecks) {
    auto& vm = make();
    load(collection);
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Near", "Other"}}, false));
    monitor->states->push(deckState(DeckIdentifier::deck2, {{" night song", "THE BAND "}}, true));
    settle();
    EXPECT_EQ(vm.sourceDeck(), DeckIdentifier::deck2);
    ASSERT_TRUE(vm.sourceTrack());
    EXPECT_EQ(vm.sourceTrack()->id, "1");
    EXPECT_EQ(vm.unresolvedTrackInfo(), std::nullopt);
    EXPECT_EQ(vm.playedTrackIDs(), (std::set<std::string>{"1"}));
    EXPECT_EQ(vm.loadedTrackDecks(),
              (RecommendationViewModel::LoadedTrackDecks{{"1", DeckIdentifier::deck2},
                                                         {"2", DeckIdentifier::deck1}}));
    // Scored around the source: 1 and 2 mix, 3 does not.
    EXPECT_EQ(listedIds(), (std::vector<std::string>{"1", "2"}));
    EXPECT_DOUBLE_EQ(vm.trackScores().at("1"), 100.0);

    // Pausing and unloading keep the played mark; the loaded map follows the decks.
    monitor->states->push(deckState(DeckIdentifier::deck2, {{"Night Song", "The Band"}}, false));
    settle();
    EXPECT_EQ(vm.playedTrackIDs(), (std::set<std::string>{"1"}));
    monitor->states->push(deckState(DeckIdentifier::deck2, std::nullopt, false));
    settle();
    EXPECT_EQ(vm.playedTrackIDs(), (std::set<std::string>{"1"}));
    EXPECT_EQ(vm.loadedTrackDecks(),
              (RecommendationViewModel::LoadedTrackDecks{{"2", DeckIdentifier::deck1}}));
    EXPECT_EQ(vm.sourceDeck(), DeckIdentifier::deck1) << "the loaded deck is the source now";
    EXPECT_EQ(vm.playedTrackIDs().count("2"), 0U) << "a paused deck never counts as played";
}

TEST_F(RecommendationViewModelTest, UnknownTrackAndDoubledTrack) {
    auto& vm = make();
    load(collection);
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Not Here", "Nobody"}}, true));
    settle();
    EXPECT_EQ(vm.sourceDeck(), DeckIdentifier::deck1);
    EXPECT_EQ(vm.sourceTrack(), std::nullopt);
    EXPECT_EQ(vm.unresolvedTrackInfo(), (UnresolvedTrackInfo{"Not Here", "Nobody"}));
    EXPECT_TRUE(vm.playedTrackIDs().empty());
    EXPECT_TRUE(vm.loadedTrackDecks().empty());
    EXPECT_TRUE(vm.trackScores().empty());
    EXPECT_EQ(listedIds(), (std::vector<std::string>{"2", "1", "3"})) << "alphabetical by artist";

    monitor->states->push(deckState(DeckIdentifier::deck1, std::nullopt, false));
    monitor->states->push(deckState(DeckIdentifier::deck4, {{"Far", "Third"}}, false));
    monitor->states->push(deckState(DeckIdentifier::deck2, {{"Far", "Third"}}, false));
    settle();
    EXPECT_EQ(vm.loadedTrackDecks(),
              (RecommendationViewModel::LoadedTrackDecks{{"3", DeckIdentifier::deck2}}));
}

TEST_F(RecommendationViewModelTest, EmptyDecksAndRestart) {
    auto& vm = make();
    load(collection);
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Near", "Other"}}, true));
    settle();
    ASSERT_EQ(vm.playedTrackIDs().size(), 1U);

    QSignalSpy decksRecomputed(&vm, &RecommendationViewModel::activeDecksRecomputed);
    QSignalSpy listRecomputed(&vm, &RecommendationViewModel::filteredTracksRecomputed);
    monitor->states->push(deckState(DeckIdentifier::deck1, std::nullopt, false));
    settle();
    EXPECT_TRUE(vm.activeDeckDisplays().empty());
    EXPECT_EQ(vm.sourceDeck(), std::nullopt);
    EXPECT_EQ(vm.sourceTrack(), std::nullopt);
    EXPECT_EQ(listRecomputed.count(), 1);

    monitor->restarts->push({});
    settle();
    EXPECT_TRUE(vm.playedTrackIDs().empty());
    EXPECT_TRUE(vm.deckStates().empty());
    EXPECT_EQ(decksRecomputed.count(), 2);

    // A restart queued before a poll's states is handled before them.
    monitor->states->push(deckState(DeckIdentifier::deck3, {{"Far", "Third"}}, true));
    monitor->restarts->push({});
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Near", "Other"}}, true));
    settle();
    EXPECT_EQ(vm.deckStates().size(), 1U);
    EXPECT_EQ(vm.deckStates().begin()->first, DeckIdentifier::deck1);
}

TEST_F(RecommendationViewModelTest, AnotherCollectionMatchesTheDecksAgain) {
    auto& vm = make();
    load(collection);
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Unknown Song", "Somebody"}}, true));
    settle();
    EXPECT_FALSE(vm.sourceTrack());
    load(other);
    settle();
    ASSERT_TRUE(vm.sourceTrack());
    EXPECT_EQ(vm.sourceTrack()->id, "9");
    EXPECT_EQ(vm.libraryTrackCount(), 1);
    load(collection);
    settle();
    EXPECT_FALSE(vm.sourceTrack());
    EXPECT_EQ(vm.unresolvedTrackInfo(), (UnresolvedTrackInfo{"Unknown Song", "Somebody"}));
}

TEST_F(RecommendationViewModelTest, SelectionsRecomputeAtOnceAndSearchAfterTheLastKeystroke) {
    auto& vm = make({40, 1000, 1000});
    load(collection);
    settle();
    QSignalSpy recomputed(&vm, &RecommendationViewModel::filteredTracksRecomputed);
    vm.setSelectedGenres({"Techno"});
    EXPECT_EQ(recomputed.count(), 1);
    EXPECT_EQ(listedIds(), std::vector<std::string>{"3"});
    vm.setSelectedGenres({});
    EXPECT_EQ(recomputed.count(), 2);

    for (const char* text : {"n", "ni", "nig", "nigh", "night"}) {
        vm.setSearchText(text);
        QTest::qWait(5);
    }
    EXPECT_EQ(recomputed.count(), 2) << "nothing before the pause";
    EXPECT_TRUE(recomputed.wait(1000));
    EXPECT_EQ(recomputed.count(), 3);
    EXPECT_EQ(listedIds(), std::vector<std::string>{"1"});
    QTest::qWait(100);
    EXPECT_EQ(recomputed.count(), 3) << "one recomputation for five keystrokes";

    // Reset recomputes four times at once and once more after the pause, even with nothing set.
    vm.setSearchText("");
    EXPECT_TRUE(recomputed.wait(1000));
    recomputed.clear();
    vm.resetFilters();
    EXPECT_EQ(recomputed.count(), 4);
    EXPECT_TRUE(recomputed.wait(1000));
    EXPECT_EQ(recomputed.count(), 5);
}

TEST_F(RecommendationViewModelTest, LoadingResetsFiltersAndAFailureKeepsEverything) {
    auto& vm = make();
    load(collection);
    settle();
    EXPECT_EQ(vm.availableGenreNames(), (std::vector<std::string>{"House", "Techno", "house"}));
    vm.setSelectedGenres({"House"});
    vm.setSelectedKeys({*metadata::CamelotKey::fromString("8A")});

    QSignalSpy keysChanged(&vm, &RecommendationViewModel::selectedKeysChanged);
    QSignalSpy energiesChanged(&vm, &RecommendationViewModel::selectedEnergiesChanged);
    vm.loadLibrary(other);
    EXPECT_EQ(vm.library().size(), 3U) << "the open collection stays until the next is ready";
    EXPECT_EQ(vm.selectedGenres(), std::set<std::string>{"House"});
    waitForLoad();
    EXPECT_TRUE(vm.selectedGenres().empty());
    EXPECT_TRUE(vm.selectedKeys().empty());
    EXPECT_EQ(keysChanged.count(), 1);
    EXPECT_EQ(energiesChanged.count(), 0) << "an empty selection is left alone";
    settle();
    EXPECT_EQ(vm.genreOptions(), (std::vector<tracklist::GenreOption>{{"Disco", 1}}));

    const std::filesystem::path missing = directory / "gone.xml";
    load(missing);
    EXPECT_EQ(vm.libraryLoadErrorMessage(), "fileNotFound(\"" + missing.string() + "\")");
    EXPECT_EQ(vm.libraryTrackCount(), 1);
    EXPECT_EQ(vm.library().size(), 1U);
    EXPECT_EQ(settings->value(RecommendationViewModel::kLastLibraryKey).toString().toStdString(),
              other.string());
    load(write("broken.xml", "<C>"));
    EXPECT_EQ(vm.libraryLoadErrorMessage(),
              "malformedXML(\"no element found at line 1, column 4\")");
    vm.clearLibraryLoadError();
    EXPECT_EQ(vm.libraryLoadErrorMessage(), std::nullopt);
    EXPECT_EQ(vm.libraryTrackCount(), 1);
}

TEST_F(RecommendationViewModelTest, ReopensTheRememberedCollectionAtStart) {
    struct Case {
        const char* name;
        std::optional<QVariant> stored;
        int expectedCount;
        bool expectError;
    } cases[] = {
        {"nothing stored", std::nullopt, 0, false},
        {"stored collection", QString::fromStdString(collection.string()), 3, false},
        {"relative path", QString("collection.xml"), 0, false},
        {"empty", QString(""), 0, false},
        {"file gone", QString::fromStdString((directory / "gone.xml").string()), 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings->clear();
        if (c.stored) {
            settings->setValue(RecommendationViewModel::kLastLibraryKey, *c.stored);
        }
        auto& vm = make();
        EXPECT_EQ(vm.libraryTrackCount(), c.expectedCount);
        EXPECT_EQ(vm.libraryLoadErrorMessage().has_value(), c.expectError);
        model.reset();
    }
}

TEST_F(RecommendationViewModelTest, ReopensThroughBookmarksAndRenewsOnlyWhatIsStale) {
    const std::filesystem::path moved = write("moved.xml", kOtherCollection);
    const QString collectionPath = QString::fromStdString(collection.string());
    struct Case {
        const char* name;
        QVariant stored;
        std::map<QByteArray, std::filesystem::path> places;
        bool staleBookmark;
        bool canCreate;
        int expectedCount;
        bool expectError;
        QVariant expectedStored;
    } cases[] = {
        {"moved file", QByteArray("bookmark-0"), {{"bookmark-0", moved}}, false, true, 1, false,
         QByteArray("bookmark-0")},
        {"stale bookmark", QByteArray("bookmark-0"), {{"bookmark-0", collection}}, true, true, 3,
         false, QByteArray("bookmark-1")},
        {"plain path of an older version", collectionPath, {}, false, true, 3, false,
         QByteArray("bookmark-1")},
        {"plain path, no bookmark possible", collectionPath, {}, false, false, 3, false,
         collectionPath},
        {"bookmark to a file now gone", QByteArray("bookmark-0"),
         {{"bookmark-0", directory / "gone.xml"}}, false, true, 0, true, QByteArray("bookmark-0")},
        {"unresolvable bytes", QByteArray("\x00\x01garbage", 9), {}, false, true, 0, false,
         QByteArray("\x00\x01garbage", 9)},
        {"empty bytes", QByteArray(""), {}, false, true, 0, false, QByteArray("")},
        {"relative plain path", QString("collection.xml"), {}, false, true, 0, false,
         QString("collection.xml")},
        {"number", QVariant(42), {}, false, true, 0, false, QVariant(42)},
        {"nothing stored", QVariant(), {}, false, true, 0, false, QVariant()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings->clear();
        if (c.stored.isValid()) {
            settings->setValue(RecommendationViewModel::kLastLibraryKey, c.stored);
        }
        FakeBookmarkStore store;
        store.places = c.places;
        store.canCreate = c.canCreate;
        if (c.staleBookmark) {
            store.stale.insert("bookmark-0");
        }
        auto& vm = make({10, 20, 200}, store.bookmarks());
        EXPECT_EQ(vm.libraryTrackCount(), c.expectedCount);
        EXPECT_EQ(vm.libraryLoadErrorMessage().has_value(), c.expectError);
        EXPECT_EQ(describe(settings->value(RecommendationViewModel::kLastLibraryKey)),
                  describe(c.expectedStored));
        if (store.created > 0) {
            EXPECT_EQ(store.places["bookmark-1"], collection) << "the fresh one names the file";
        }
        model.reset();
    }
}

TEST_F(RecommendationViewModelTest, LoadingRemembersAnAbsoluteBookmarkThatFollowsAMove) {
    FakeBookmarkStore store;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory);
    make({10, 20, 200}, store.bookmarks());
    load("collection.xml");
    std::filesystem::current_path(previous);
    EXPECT_EQ(store.places["bookmark-1"], collection) << "bookmarked by its absolute path";
    EXPECT_EQ(describe(settings->value(RecommendationViewModel::kLastLibraryKey)),
              describe(QByteArray("bookmark-1")));
    model.reset();

    const std::filesystem::path moved = directory / "sets" / "moved.xml";
    std::filesystem::create_directories(moved.parent_path());
    std::filesystem::rename(collection, moved);
    store.places["bookmark-1"] = moved;
    auto& vm = make({10, 20, 200}, store.bookmarks());
    EXPECT_EQ(vm.libraryTrackCount(), 3);
    EXPECT_EQ(vm.libraryLoadErrorMessage(), std::nullopt);
    EXPECT_EQ(store.created, 1) << "a bookmark that still resolves is not made again";
    model.reset();

    // A file that cannot be remembered must not leave the previous one to come back.
    LibraryBookmarks forgetful;
    forgetful.make = [](const std::filesystem::path&) { return QVariant(); };
    make({10, 20, 200}, forgetful);
    load(other);
    EXPECT_FALSE(settings->contains(RecommendationViewModel::kLastLibraryKey));
}

TEST_F(RecommendationViewModelTest, PermissionIsReadAgainQuicklyWhileMissing) {
    permission = false;
    auto& vm = make({10, 20, 400});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !vm.hasAccessibilityPermission(); }, 500));
    const int atStart = permissionChecks;
    QTest::qWait(150);
    EXPECT_GE(permissionChecks - atStart, 3) << "about every 20 ms while missing";

    permission = true;
    QSignalSpy changed(&vm, &RecommendationViewModel::hasAccessibilityPermissionChanged);
    EXPECT_TRUE(changed.wait(500));
    EXPECT_TRUE(vm.hasAccessibilityPermission());
    const int granted = permissionChecks;
    QTest::qWait(150);
    EXPECT_LE(permissionChecks - granted, 1) << "about every 400 ms once granted";

    // A request runs off the main thread too, and the answer follows it at once.
    std::atomic<bool> requestedOnTheMainThread = true;
    permission = false;
    vm.requestAccessibilityPermission(
        [&] { requestedOnTheMainThread = QThread::currentThread() == qApp->thread(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !vm.hasAccessibilityPermission(); }, 300));
    EXPECT_FALSE(requestedOnTheMainThread);
    EXPECT_FALSE(checkedOnTheMainThread);
}

TEST_F(RecommendationViewModelTest, AnnouncesAssignmentsInOrder) {
    auto& vm = make();
    load(collection);
    settle();
    std::vector<std::string> order;
    const auto record = [&](auto signal, const char* name) {
        QObject::connect(&vm, signal, [&order, name] { order.emplace_back(name); });
    };
    record(&RecommendationViewModel::activeDeckDisplaysChanged, "activeDeckDisplays");
    record(&RecommendationViewModel::playedTrackIDsChanged, "playedTrackIDs");
    record(&RecommendationViewModel::loadedTrackDecksChanged, "loadedTrackDecks");
    record(&RecommendationViewModel::sourceDeckChanged, "sourceDeck");
    record(&RecommendationViewModel::sourceTrackChanged, "sourceTrack");
    record(&RecommendationViewModel::unresolvedTrackInfoChanged, "unresolvedTrackInfo");
    record(&RecommendationViewModel::genreOptionsChanged, "genreOptions");
    record(&RecommendationViewModel::bpmRangeOptionsChanged, "bpmRangeOptions");
    record(&RecommendationViewModel::keyOptionsChanged, "keyOptions");
    record(&RecommendationViewModel::energyOptionsChanged, "energyOptions");
    record(&RecommendationViewModel::trackScoresChanged, "trackScores");
    record(&RecommendationViewModel::filteredTracksChanged, "filteredTracks");
    monitor->states->push(deckState(DeckIdentifier::deck1, {{"Near", "Other"}}, true));
    settle();
    EXPECT_EQ(order, (std::vector<std::string>{
                         "activeDeckDisplays", "playedTrackIDs", "loadedTrackDecks", "sourceDeck",
                         "sourceTrack", "unresolvedTrackInfo", "genreOptions", "bpmRangeOptions",
                         "keyOptions", "energyOptions", "trackScores", "filteredTracks"}));
}

} // namespace
} // namespace cuevox::state
