#include "state/RecommendationViewModel.hpp"

#include "support/FakeDeckMonitor.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace cuevox::state {
namespace {

using decks::DeckIdentifier;
using tests::shownOnDeck;
using Model = RecommendationViewModel;
using namespace std::chrono_literals;

constexpr ViewModelTiming kQuick{0ms, {20ms, 200ms}};

constexpr const char* kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Location="/a.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" Genre="house" AverageBpm="128.50" Tonality="9A" Comments="E7" Location="/b.mp3"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" Genre="Techno" AverageBpm="140.00" Tonality="3A" Comments="E2" Location="/c.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

constexpr const char* kOtherCollection = R"(<C>
  <TRACK TrackID="9" Name="Unknown Song" Artist="Somebody" Genre="Disco" AverageBpm="118.00"/>
</C>)";

// A crate of two tracks, and a key in the Open Key notation.
constexpr const char* kCratedCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" AverageBpm="128.00" Tonality="8A"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" AverageBpm="128.50" Tonality="8A"/>
  <TRACK TrackID="3" Name="Double" Artist="the band " AverageBpm="64.20" Tonality="8A"/>
  <TRACK TrackID="4" Name="Open" Artist="Other" AverageBpm="90.00" Tonality="1m"/>
</COLLECTION><PLAYLISTS><NODE Type="0" Name="ROOT"><NODE Type="0" Name="Crates">
  <NODE Type="1" Name="Peak" KeyType="0"><TRACK Key="2"/><TRACK Key="3"/></NODE>
</NODE></NODE></PLAYLISTS></DJ_PLAYLISTS>)";

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
    return value.isValid() ? std::string(value.typeName()) + " " + value.toString().toStdString()
                           : "nothing";
}

class RecommendationViewModelTest : public ::testing::Test {
protected:
    Model& make(ViewModelTiming timing = kQuick, LibraryBookmarks bookmarks = {}) {
        auto fake = std::make_unique<tests::FakeDeckMonitor>();
        monitor = fake.get();
        model = std::make_unique<Model>(
            std::move(fake),
            [this] {
                ++permissionChecks;
                checkedOnTheMainThread =
                    checkedOnTheMainThread || QThread::currentThread() == qApp->thread();
                return permission.load();
            },
            &settings, timing, std::move(bookmarks));
        waitForLoad();
        return *model;
    }

    // Waits until the view model has taken over the outcome of the load that runs, if any.
    void waitForLoad() {
        if (model->libraryLoadProgress()) {
            QSignalSpy finished(model.get(), &Model::libraryLoadFinished);
            ASSERT_TRUE(finished.wait(10000));
        }
    }
    void load(const std::filesystem::path& path) {
        model->loadLibrary(path);
        waitForLoad();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    tests::TemporaryDirectory directory;
    std::filesystem::path collection = directory.write("collection.xml", kCollection);
    std::filesystem::path other = directory.write("other.xml", kOtherCollection);
    QSettings settings{QString::fromStdString((directory.path() / "settings.ini").string()),
                       QSettings::IniFormat};
    tests::FakeDeckMonitor* monitor = nullptr;
    std::unique_ptr<Model> model;
    // Set by the test, read on the permission thread.
    std::atomic<bool> permission = true;
    std::atomic<int> permissionChecks = 0;
    std::atomic<bool> checkedOnTheMainThread = false;
};

TEST_F(RecommendationViewModelTest, DeckStatesOfOneTurnRecomputeOnceAndARestartComesFirst) {
    auto& vm = make();
    load(collection);
    QSignalSpy decksChanged(&vm, &Model::decksChanged);
    QSignalSpy listRecomputed(&vm, &Model::listRecomputed);
    monitor->states->push(shownOnDeck(DeckIdentifier::deck3, {{"Far", "Third"}}, false));
    monitor->states->push(shownOnDeck(DeckIdentifier::deck1, {{"Near", "Other"}}, false));
    monitor->states->push(shownOnDeck(DeckIdentifier::deck2, {{"Night Song", "The Band"}}, true));
    settle();
    EXPECT_EQ(decksChanged.count(), 1);
    EXPECT_EQ(listRecomputed.count(), 1);
    ASSERT_EQ(vm.decks().rows.size(), 3U);
    EXPECT_EQ(vm.decks().sourceTrack->id, "1");
    ASSERT_EQ(vm.list().tracks.size(), 2U) << "ranked around the source";
    EXPECT_DOUBLE_EQ(*vm.list().tracks.row(0).score, 100.0);

    // A restart queued before a poll's states is taken before them, and both recompute once.
    monitor->restarts->push({});
    monitor->states->push(shownOnDeck(DeckIdentifier::deck4, {{"Near", "Other"}}, false));
    settle();
    EXPECT_EQ(decksChanged.count(), 2);
    EXPECT_EQ(vm.decks().rows.size(), 1U);
    EXPECT_TRUE(vm.decks().playedTrackIDs.empty());
    EXPECT_EQ(vm.decks().sourceDeck, DeckIdentifier::deck4);
}

TEST_F(RecommendationViewModelTest, AnnouncesOnlyWhatChangedInTheOrderOfAssignment) {
    auto& vm = make();
    load(collection);
    std::vector<std::string> order;
    const auto record = [&order](auto* sender, auto signal, const char* name) {
        QObject::connect(sender, signal, [&order, name] { order.emplace_back(name); });
    };
    record(&vm, &Model::decksChanged, "decks");
    record(&vm, &Model::listChanged, "list");
    record(&vm.filters(), &FilterState::genresChanged, "genres");
    record(&vm.filters(), &FilterState::searchTextChanged, "search");
    auto master = shownOnDeck(DeckIdentifier::deck1, {{"Near", "Other"}}, true);
    master.isMaster = true;
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<std::string> expected;
    } steps[] = {
        // clang-format off
        {"a deck plays", [&] { monitor->states->push(shownOnDeck(DeckIdentifier::deck1, {{"Near", "Other"}}, true)); }, {"decks", "list"}},
        {"it becomes master", [&] { monitor->states->push(master); }, {}},
        {"the same selection", [&] { vm.filters().setGenres({}); }, {}},
        {"the same search", [&] { vm.filters().setSearchText(""); }, {}},
        {"a genre the source rules out", [&] { vm.filters().setGenres({"Techno"}); }, {"genres", "list"}},
        {"the genre cleared", [&] { vm.filters().setGenres({}); }, {"genres", "list"}},
        {"a reset of nothing", [&] { vm.filters().reset(); }, {}},
        // clang-format on
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        order.clear();
        step.act();
        settle();
        EXPECT_EQ(order, step.expected);
    }
}

TEST_F(RecommendationViewModelTest, ALoadListsOnceClearsTheFiltersAndMatchesTheDecksAgain) {
    auto& vm = make();
    load(collection);
    monitor->states->push(shownOnDeck(DeckIdentifier::deck1, {{"Unknown Song", "Somebody"}}, true));
    vm.filters().setGenres({"House"});
    vm.filters().setKeys({*metadata::CamelotKey::fromString("8A")});
    vm.filters().setSearchText("o");
    settle();
    EXPECT_EQ(vm.decks().unresolvedTrackInfo,
              (decks::UnresolvedTrackInfo{"Unknown Song", "Somebody"}));

    QSignalSpy listRecomputed(&vm, &Model::listRecomputed);
    QSignalSpy keysChanged(&vm.filters(), &FilterState::keysChanged);
    QSignalSpy energiesChanged(&vm.filters(), &FilterState::energiesChanged);
    vm.loadLibrary(other);
    EXPECT_EQ(vm.library().size(), 3U) << "the open collection stays until the next is ready";
    waitForLoad();
    settle();
    EXPECT_EQ(listRecomputed.count(), 1);
    EXPECT_TRUE(vm.filters().selections().isEmpty());
    EXPECT_EQ(vm.filters().searchText(), "");
    EXPECT_EQ(keysChanged.count(), 1);
    EXPECT_EQ(energiesChanged.count(), 0) << "an empty selection is left alone";
    EXPECT_EQ(vm.decks().sourceTrack->id, "9");
    EXPECT_EQ(vm.list().genreOptions, (std::vector<tracklist::GenreOption>{{"Disco", 1}}));

    // A failure keeps everything but the message.
    const std::filesystem::path missing = directory.path() / "gone.xml";
    load(missing);
    EXPECT_EQ(vm.libraryLoadError(),
              (state::LoadFailure{missing, {importing::RekordboxXMLError::fileNotFound(missing)}}));
    EXPECT_EQ(vm.libraryTrackCount(), 1);
    EXPECT_EQ(settings.value(Model::kLastLibraryKey).toString().toStdString(), other.string());
    const std::filesystem::path broken = directory.write("broken.xml", "<C>");
    load(broken);
    EXPECT_EQ(vm.libraryLoadError()->file, broken);
    EXPECT_EQ(vm.libraryLoadError()->error.message(),
              "malformedXML(\"no element found at line 1, column 4\")");
    vm.clearLibraryLoadError();
    EXPECT_EQ(vm.libraryLoadError(), std::nullopt);
}

TEST_F(RecommendationViewModelTest, LiveModesAimAtTheDeckSurviveAResetAndAreRemembered) {
    auto& vm = make();
    load(directory.write("crated.xml", kCratedCollection));
    EXPECT_EQ(vm.crateIDs(), std::vector<std::string>{"Crates/Peak"});
    monitor->states->push(
        shownOnDeck(DeckIdentifier::deck1, {{"Night Song", "The Band"}}, true, 130.0));
    settle();
    const auto listed = [&vm] {
        std::vector<std::string> ids;
        for (std::size_t i = 0; i < vm.list().tracks.size(); ++i) {
            ids.push_back(vm.list().tracks[i].id);
        }
        return ids;
    };
    const auto pitch = [&vm](std::size_t row) {
        const auto& adjustment = vm.list().tracks.row(row).pitch;
        return adjustment ? adjustment->toString() : "-";
    };
    EXPECT_EQ(listed(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(pitch(0) + pitch(1), "--");

    QSignalSpy modesChanged(&vm.modes(), &ListModesState::modesChanged);
    vm.modes().set(&tracklist::ListModes::pitchRange, *tracklist::PitchRange::fromPercent(2));
    vm.modes().set(&tracklist::ListModes::halfDouble, true);
    EXPECT_EQ(listed(), (std::vector<std::string>{"2", "3", "1"})) << "64.20 doubled";
    EXPECT_EQ(pitch(0), "+1.2 %") << "aimed at the deck's 130";
    EXPECT_EQ(pitch(1), "×2 +1.2 %");
    vm.modes().set(&tracklist::ListModes::varyArtists, true);
    EXPECT_EQ(listed(), (std::vector<std::string>{"2"})) << "the playing artist, both spellings";
    vm.modes().set(&tracklist::ListModes::varyArtists, false);
    vm.modes().set(&tracklist::ListModes::playlistID, std::optional<std::string>("Crates/Peak"));
    vm.modes().set(&tracklist::ListModes::hidePlayed, true);
    vm.filters().reset();
    EXPECT_EQ(modesChanged.count(), 6) << "and none for the reset";
    EXPECT_EQ(listed(), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(vm.library()[3].camelotKey, std::nullopt);

    // Open Key reads the collection again; the next start finds every mode as it was left.
    vm.modes().setOpenKey(true);
    waitForLoad();
    settle();
    EXPECT_EQ(vm.library()[3].camelotKey, metadata::CamelotKey::fromString("8A"));
    model.reset();
    auto& next = make();
    EXPECT_EQ(next.modes().modes().playlistID, "Crates/Peak");
    EXPECT_EQ(next.library()[3].camelotKey, metadata::CamelotKey::fromString("8A"));

    // A collection without the crate lists all of itself, and forgets the crate.
    load(other);
    EXPECT_EQ(next.modes().modes().playlistID, std::nullopt);
    EXPECT_EQ(next.list().tracks.size(), 1U);
    EXPECT_TRUE(next.modes().modes().hidePlayed);
}

TEST_F(RecommendationViewModelTest, ReopensThroughBookmarksAndRenewsOnlyWhatIsStale) {
    const std::filesystem::path moved = directory.write("moved.xml", kOtherCollection);
    const QString collectionPath = QString::fromStdString(collection.string());
    struct Case {
        const char* name;
        QVariant stored;
        std::map<QByteArray, std::filesystem::path> places;
        bool staleBookmark, canCreate;
        int expectedCount;
        bool expectError;
        QVariant expectedStored;
    } cases[] = {
        // clang-format off
        {"moved file", QByteArray("bookmark-0"), {{"bookmark-0", moved}}, false, true, 1, false, QByteArray("bookmark-0")},
        {"stale bookmark", QByteArray("bookmark-0"), {{"bookmark-0", collection}}, true, true, 3, false, QByteArray("bookmark-1")},
        {"plain path of an older version", collectionPath, {}, false, true, 3, false, QByteArray("bookmark-1")},
        {"plain path, no bookmark possible", collectionPath, {}, false, false, 3, false, collectionPath},
        {"bookmark to a file now gone", QByteArray("bookmark-0"), {{"bookmark-0", directory.path() / "gone.xml"}}, false, true, 0, true, QByteArray("bookmark-0")},
        {"unresolvable bytes", QByteArray("\x00\x01garbage", 9), {}, false, true, 0, false, QByteArray("\x00\x01garbage", 9)},
        {"nothing stored", QVariant(), {}, false, true, 0, false, QVariant()},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.clear();
        if (c.stored.isValid()) {
            settings.setValue(Model::kLastLibraryKey, c.stored);
        }
        FakeBookmarkStore store{c.places, {}, c.canCreate};
        if (c.staleBookmark) {
            store.stale.insert("bookmark-0");
        }
        auto& vm = make(kQuick, store.bookmarks());
        EXPECT_EQ(vm.libraryTrackCount(), c.expectedCount);
        EXPECT_EQ(vm.libraryLoadError().has_value(), c.expectError);
        EXPECT_EQ(describe(settings.value(Model::kLastLibraryKey)), describe(c.expectedStored));
        if (store.created > 0) {
            EXPECT_EQ(store.places["bookmark-1"], collection) << "the fresh one names the file";
        }
        model.reset();
    }
}

TEST_F(RecommendationViewModelTest, LoadingRemembersAnAbsoluteBookmarkOrNothing) {
    FakeBookmarkStore store;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    make(kQuick, store.bookmarks());
    load("collection.xml");
    std::filesystem::current_path(previous);
    EXPECT_EQ(store.places["bookmark-1"], collection) << "bookmarked by its absolute path";
    EXPECT_EQ(describe(settings.value(Model::kLastLibraryKey)), describe(QByteArray("bookmark-1")));
    model.reset();

    // A file that cannot be remembered must not leave the previous one to come back.
    LibraryBookmarks forgetful;
    forgetful.make = [](const std::filesystem::path&) { return QVariant(); };
    make(kQuick, forgetful);
    load(other);
    EXPECT_FALSE(settings.contains(Model::kLastLibraryKey));
}

TEST_F(RecommendationViewModelTest, PermissionIsReadAgainQuicklyWhileMissing) {
    // Intervals far apart, so that no machine load can make one pass for the other.
    permission = false;
    auto& vm = make({10ms, {1ms, 1h}});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return permissionChecks >= 3 && !vm.hasAccessibilityPermission(); }, 5000))
        << "read again every millisecond while missing";

    permission = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return vm.hasAccessibilityPermission(); }, 5000));
    const int granted = permissionChecks;
    QTest::qWait(200);
    EXPECT_LE(permissionChecks - granted, 1) << "once granted, not again for an hour";

    // A request runs off the main thread too, and the answer follows it at once.
    std::atomic<bool> requestedOnTheMainThread = true;
    permission = false;
    vm.requestAccessibilityPermission(
        [&] { requestedOnTheMainThread = QThread::currentThread() == qApp->thread(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !vm.hasAccessibilityPermission(); }, 5000));
    EXPECT_FALSE(requestedOnTheMainThread);
    EXPECT_FALSE(checkedOnTheMainThread);
}

} // namespace
} // namespace cuevox::state
