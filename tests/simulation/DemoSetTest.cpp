#include "simulation/DemoSet.hpp"

#include "simulation/DemoCollection.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace cuevox::simulation {
namespace {

using metadata::Track;

std::vector<Track> collection(int size) {
    std::vector<Track> tracks;
    for (int i = 0; i < size; ++i) {
        Track track;
        track.id = std::to_string(i + 1);
        track.title = "Track " + std::to_string(i + 1);
        track.artist = "Artist";
        track.genre = "House";
        track.bpm = 124.0 + 0.1 * i;
        track.musicalKey = i % 2 == 0 ? "8A" : "9A";
        track.camelotKey = metadata::CamelotKey::fromString(*track.musicalKey);
        track.energy = 6;
        tracks.push_back(track);
    }
    return tracks;
}

std::optional<DemoSet> makeSet(const std::vector<Track>& tracks, DemoDecks decks) {
    const recommendation::RecommendationService service(
        recommendation::defaultRecommendationSettings());
    const decks::LibraryTrackIndex index(tracks);
    return demoSet(tracks, index, service, decks);
}

TEST(DemoSet, UsesTheDecksAskedForInTimeOrder) {
    const std::vector<Track> tracks = collection(12);
    // The decks loaded, and how many tracks of the collection they take.
    // clang-format off
    const struct { DemoDecks decks; std::set<int> loaded; std::size_t distinct; } cases[] = {
        {DemoDecks::two, {1, 2}, 3},
        {DemoDecks::four, {1, 2, 3, 4}, 5},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distinct);
        const std::optional<DemoSet> set = makeSet(tracks, c.decks);
        ASSERT_TRUE(set);
        EXPECT_TRUE(std::ranges::is_sorted(set->events, {}, &SimulationEvent::at));
        EXPECT_EQ(set->lastEventAt, set->events.back().at);
        std::set<int> loadedDecks;
        std::set<std::string> titles;
        for (const SimulationEvent& event : set->events) {
            if (event.action == SimulationAction::load) {
                loadedDecks.insert(event.deck);
                EXPECT_TRUE(isShowable(*event.track)) << event.track->title;
                if (event.track->title != "Unreleased Promo") {
                    titles.insert(event.track->title);
                }
            }
        }
        EXPECT_EQ(loadedDecks, c.loaded);
        EXPECT_EQ(titles.size(), c.distinct);
    }
}

TEST(DemoSet, SmallCollectionsRepeatTracksOrGiveNoSet) {
    for (DemoDecks decks : {DemoDecks::two, DemoDecks::four}) {
        EXPECT_FALSE(makeSet({}, decks));
        EXPECT_FALSE(makeSet(collection(1), decks));
        EXPECT_TRUE(makeSet(collection(2), decks)) << "later picks repeat earlier ones";
    }
    // Tracks without a tempo, which nothing is ranked around, are never picked.
    std::vector<Track> tracks = collection(3);
    tracks[0].bpm.reset();
    tracks[1].bpm.reset();
    EXPECT_FALSE(makeSet(tracks, DemoDecks::four));
}

// Bundle first, then an installed tree, then beside the executable; a directory of that name
// is not the file.
TEST(DemoCollectionTest, FoundInBundleInstallOrBuildTree) {
    namespace fs = std::filesystem;
    const struct {
        const char* executables;
        std::vector<std::string> files;
        const char* expected;
    } cases[] = {
        // clang-format off
        {"App/MacOS", {"App/Resources/demo-collection.xml", "App/MacOS/demo-collection.xml"},
         "App/Resources/demo-collection.xml"},
        {"bin", {"share/cuevox/demo-collection.xml", "bin/demo-collection.xml"},
         "share/cuevox/demo-collection.xml"},
        {"bin", {"bin/demo-collection.xml"}, "bin/demo-collection.xml"},
        {"bin", {"share/cuevox/demo-collection.xml/"}, nullptr},
        {"bin", {}, nullptr},
        // clang-format on
    };
    const fs::path root = fs::temp_directory_path() / ("cuevox-demo-" + std::to_string(::getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected ? c.expected : "none");
        fs::remove_all(root);
        fs::create_directories(root / c.executables);
        for (const std::string& file : c.files) {
            fs::create_directories((root / file).parent_path());
            if (!file.ends_with('/')) {
                std::ofstream(root / file) << "<DJ_PLAYLISTS/>";
            }
        }
        EXPECT_EQ(findDemoCollection(root / c.executables),
                  c.expected ? std::optional(root / c.expected) : std::nullopt);
    }
    fs::remove_all(root);
}

} // namespace
} // namespace cuevox::simulation
