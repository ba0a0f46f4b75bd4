#include "style/StyleModel.hpp"

#include "tracklist/TrackListComputation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::style {
namespace {

using metadata::Playlist;
using metadata::Track;
using Kind = StyleReason::Kind;

// Added `day` days after 2024-01-01, at 128 BPM in `key`, in its own file.
Track track(const std::string& id, int day = 0, const char* key = "8A", double bpm = 128) {
    Track t{};
    t.id = id;
    t.title = "Title " + id;
    t.artist = "Artist " + id;
    t.bpm = bpm;
    t.camelotKey = metadata::CamelotKey::fromString(key);
    t.dateAdded = std::chrono::sys_days(std::chrono::year(2024) / 1 / 1) + std::chrono::days(day);
    t.filepath = "/Music/" + id + ".mp3";
    return t;
}

// Each weight alone, so that a test sees one signal.
constexpr StyleWeights kCrates{1, 0, 0, 0, 0};
constexpr StyleWeights kAdded{0, 1, 0, 0, 0};
constexpr StyleWeights kPairs{0, 0, 1, 0, 0};
constexpr StyleWeights kHabits{0, 0, 0, 1, 0};
constexpr StyleWeights kList{0, 0, 0, 0, 1};

std::vector<std::string> rankedIDs(const StyleModel& model, const std::vector<Track>& tracks,
                                   const Track& playing, std::size_t count = 100) {
    std::vector<std::string> ids;
    for (const std::uint32_t index : model.rank(playing).order) {
        if (ids.size() < count) {
            ids.push_back(tracks[index].id);
        }
    }
    return ids;
}

std::optional<StyleReason> reasonOf(const StyleModel& model, const std::vector<Track>& tracks,
                                    const Track& playing, std::size_t index) {
    const std::optional<StyleScore> score = model.rank(playing).scores[index];
    EXPECT_TRUE(score) << tracks[index].id;
    return score ? score->reason : std::nullopt;
}

TEST(StyleModel, SharedCratesCountByTheirSizeAndTheWholeCollectionSaysNothing) {
    std::vector<Track> tracks;
    for (const char* id : {"a", "b", "c", "x1", "x2", "x3", "x4", "x5", "x6", "x7"}) {
        tracks.push_back(track(id));
    }
    const std::vector<Playlist> playlists{
        {"1", "Small", {"a", "b"}},
        {"2", "Pair", {"a", "c"}},
        {"3", "Pair copy", {"a", "c"}}, // a copy says nothing new
        {"4", "Mid", {"a", "c", "x1", "x2"}},
        {"5", "Big", {"a", "x1", "x2", "x3", "x4", "x5"}}, // more than half of the collection
    };
    const StyleModel model(tracks, playlists, {}, {}, kCrates);
    // c: 1/log2(4) + 1/log2(6); b: 1/log2(4); x1, x2: 1/log2(6) in collection order.
    EXPECT_EQ(rankedIDs(model, tracks, tracks[0], 4),
              (std::vector<std::string>{"c", "b", "x1", "x2"}));
    EXPECT_EQ(reasonOf(model, tracks, tracks[0], 2),
              (StyleReason{.kind = Kind::sharedCrates, .count = 2}));
    EXPECT_EQ(reasonOf(model, tracks, tracks[0], 5), std::nullopt) << "x3 is only in Big";
}

TEST(StyleModel, TheTrackPlayingAndItsOtherFilesAreNeverRanked) {
    std::vector<Track> tracks{track("a"), track("b"), track("a"), track("c")};
    tracks[3].title = " title A ";
    tracks[3].artist = "ARTIST a";
    const StyleModel model(tracks, {});
    EXPECT_EQ(rankedIDs(model, tracks, tracks[0]), (std::vector<std::string>{"b"}));
    EXPECT_FALSE(model.rank(tracks[0]).scores[2]);
}

TEST(StyleModel, AddedTogetherFollowsTheOrderOfAddingOrTheDaysWhenTheFileHasAnother) {
    struct Case {
        std::vector<int> days; // of tracks a, b, c, ... in file order
        std::size_t playing;
        std::vector<std::string> ranked;
    } cases[] = {
        {{1, 1, 1, 3}, 1, {"a", "c", "d"}},
        {{5, 1, 4, 2, 3}, 4, {"c", "d", "a", "b"}}, // by day: b d e c a
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.playing);
        std::vector<Track> tracks;
        for (std::size_t i = 0; i < c.days.size(); ++i) {
            tracks.push_back(track(std::string(1, static_cast<char>('a' + i)), c.days[i]));
        }
        const StyleModel model(tracks, {}, {}, {}, kAdded);
        EXPECT_EQ(rankedIDs(model, tracks, tracks[c.playing]), c.ranked);
    }
    const std::vector<Track> tracks{track("a", 1), track("b", 1), track("c", 1), track("d", 3)};
    const StyleModel model(tracks, {}, {}, {}, kAdded);
    EXPECT_EQ(reasonOf(model, tracks, tracks[1], 3),
              (StyleReason{.kind = Kind::addedTogether, .count = 2, .between = 1}));
}

TEST(StyleModel, ProvenPairsCountBothOrdersAndOlderSetsLess) {
    const std::vector<Track> tracks{track("a"), track("b"), track("c"), track("d"), track("e")};
    const std::vector<Playlist> playlists{
        {"1", "HISTORY 2024-01-01", {"a", "b"}},
        {"2", "HISTORY 2023-01-01", {"a", "c"}}, // a year older: half
        {"3", "Crate", {"a", "e"}},              // not a set
        {"4", "Friday Set", {"c", "gone", "d"}}, // a track not in the collection breaks it
    };
    const StyleModel model(tracks, playlists, {}, {}, kPairs);
    EXPECT_EQ(rankedIDs(model, tracks, tracks[0], 2), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(model.rank(tracks[0]).scores[2]->score, 0.5);
    EXPECT_EQ(reasonOf(model, tracks, tracks[0], 4), std::nullopt);
    EXPECT_EQ(reasonOf(model, tracks, tracks[1], 0),
              (StyleReason{.kind = Kind::playedBefore, .count = 1}));
    EXPECT_EQ(model.rank(tracks[1]).scores[0]->score, 0.5);
    EXPECT_EQ(reasonOf(model, tracks, tracks[2], 3), std::nullopt);
    EXPECT_EQ(model.setCount(), 2u);
    EXPECT_EQ(model.transitionCount(), 2u);
}

TEST(StyleModel, HistoryFilesAreSetsMatchedByTheirTracksLocations) {
    std::vector<Track> tracks{track("a"), track("b"), track("c")};
    tracks[0].filepath = "/C:/Music/A.mp3";             // from file://localhost/C:/Music/A.mp3
    tracks[1].filepath = "/Users/dj/M\u00FAsica/b.mp3"; // precomposed ú
    const std::vector<importing::M3U8Reader::M3U8Playlist> histories{
        {"HISTORY 2024-02-01", {"c:\\music\\a.mp3", "/Users/dj/Mu\u0301sica/B.mp3"}},
    };
    // The same night as a playlist too: counted once.
    const std::vector<Playlist> playlists{{"1", "HISTORY 2024-02-01", {"a", "b"}}};
    const StyleModel model(tracks, playlists, histories, {}, kPairs);
    EXPECT_EQ(reasonOf(model, tracks, tracks[0], 1),
              (StyleReason{.kind = Kind::playedAfter, .count = 1}));
    EXPECT_EQ(model.transitionCount(), 1u);
}

TEST(StyleModel, KeyMovesOfTheDJsSetsReplaceThePrior) {
    // The set steps a semitone up (+7) three times; the prior favours the same key.
    const std::vector<Track> tracks{
        track("playing"),     track("same"),        track("up", 0, "3A"), track("k1", 0, "1A"),
        track("k2", 0, "8A"), track("k3", 0, "3A"), track("k4", 0, "10A")};
    const std::vector<Playlist> playlists{{"1", "Set", {"k1", "k2", "k3", "k4"}}};
    const struct {
        const char* sets;
        const char* first;
    } cases[] = {
        {"Set", "up"},
        {"nothing matches", "same"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sets);
        const StyleModel model(tracks, playlists, {}, *SetPattern::fromString(c.sets), kHabits);
        const std::uint32_t first = model.rank(tracks[0]).order.front();
        EXPECT_EQ(tracks[first].id, c.first);
    }
}

TEST(StyleModel, TheListScoreIsTheWindowsScore) {
    const Track playing = [] {
        Track t = track("playing", 0, "8A", 128);
        t.genre = "House";
        t.energy = 6;
        return t;
    }();
    std::vector<Track> tracks{playing};
    const struct {
        const char* genre;
        double bpm;
        const char* key;
        std::optional<int> energy;
    } rows[] = {
        {"house", 128.5, "9A", 7},
        {"Techno", 128, "8B", 6},
        {"", 127.2, "10A", 9},
        {nullptr, 128.1, "3A", 5},
    };
    for (const auto& row : rows) {
        Track t = track("t" + std::to_string(tracks.size()), 0, row.key, row.bpm);
        t.genre = row.genre ? std::optional<std::string>(row.genre) : std::nullopt;
        t.energy = row.energy;
        tracks.push_back(t);
    }
    const StyleModel model(tracks, {}, {}, {}, kList);
    const auto scores = model.rank(playing).scores;
    // Every track listed: choices in each group take the automatic filters away.
    tracklist::FilterSelections all;
    all.bpmRanges = {tracklist::BPMRange{120}};
    for (const char* key : {"8A", "9A", "8B", "10A", "3A"}) {
        all.keys.insert(*metadata::CamelotKey::fromString(key));
    }
    all.energies = {5, 6, 7, 9};
    const tracklist::PreparedLibrary library(tracks);
    const auto list = tracklist::TrackListComputation::compute(library, playing, all, "", {}, {});
    ASSERT_EQ(list.rows.size(), tracks.size());
    for (const tracklist::ListRow& row : list.rows) {
        SCOPED_TRACE(tracks[row.index].id);
        if (row.index != 0) {
            EXPECT_DOUBLE_EQ(scores[row.index]->reason->number, *row.score);
        }
    }
}

} // namespace
} // namespace cuevox::style
