#include "metadata/Track.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace cuevox::metadata {
namespace {

using namespace std::chrono;

Track fullTrack() {
    return Track{
        .id = "42",
        .title = "Night Song",
        .artist = "The Band",
        .genre = "Deep House",
        .bpm = 122.0,
        .musicalKey = "Am",
        .camelotKey = CamelotKey::make(8, CamelotLetter::a),
        .comment = "8A - 7 Energy",
        .energy = 7,
        .rating = 4,
        .duration = 412.5,
        .filepath = "/Music/night song.flac",
        .dateAdded = sys_days(year(2024) / March / 9),
        .year = 2023,
        .label = "Label",
    };
}

TEST(Track, ValidCandidateNeedsAFileAndAPositiveTempo) {
    struct Case {
        const char* name;
        std::optional<std::string> filepath;
        std::optional<double> bpm;
        bool expected;
    } cases[] = {
        {"file and tempo", "/a.mp3", 128.0, true},
        {"tiny tempo", "x", 0.01, true},
        {"empty path", "", 128.0, false},
        {"no path", std::nullopt, 128.0, false},
        {"zero tempo", "/a.mp3", 0.0, false},
        {"negative tempo", "/a.mp3", -120.0, false},
        {"no tempo", "/a.mp3", std::nullopt, false},
        {"nothing", std::nullopt, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Track track = fullTrack();
        track.filepath = c.filepath;
        track.bpm = c.bpm;
        EXPECT_EQ(track.isValidCandidate(), c.expected);
    }
}

TEST(Track, DuplicateKeyTrimsAndLowerCasesArtistAndTitle) {
    struct Case {
        std::string artist;
        std::string title;
        std::string expected;
    } cases[] = {
        {" The Band ", "Night Song\n", "the band::night song"},
        {"", "X", "::x"},
        {"A  B", "T", "a  b::t"},
        {"\tDJ \u00C9T\u00C9\u00A0", "\u00DCBER", "dj \u00E9t\u00E9::\u00FCber"},
        {"\u0130lhan", "Gece", "i\u0307lhan::gece"},
        {"Artist", "", "artist::"},
        {"::", "::", "::::::"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Track track = fullTrack();
        track.artist = c.artist;
        track.title = c.title;
        EXPECT_EQ(track.duplicateKey(), c.expected);
    }
}

TEST(Track, EqualityAndHashingCoverEveryField) {
    const Track base = fullTrack();
    EXPECT_EQ(base, fullTrack());
    EXPECT_EQ(std::hash<Track>{}(base), std::hash<Track>{}(fullTrack()));

    // Each row changes one field; the result must differ from the base though the id is kept.
    const std::vector<std::pair<const char*, std::function<void(Track&)>>> changes = {
        {"title",
         [](Track& t) {
             t.title = "Night Song ";
         }},
        {"artist",
         [](Track& t) {
             t.artist = "the band";
         }},
        {"genre absent",
         [](Track& t) {
             t.genre.reset();
         }},
        {"genre empty",
         [](Track& t) {
             t.genre = "";
         }},
        {"bpm",
         [](Track& t) {
             t.bpm = 122.01;
         }},
        {"musicalKey",
         [](Track& t) {
             t.musicalKey = "";
         }},
        {"camelotKey letter",
         [](Track& t) {
             t.camelotKey = t.camelotKey->relative();
         }},
        {"camelotKey absent",
         [](Track& t) {
             t.camelotKey.reset();
         }},
        {"comment",
         [](Track& t) {
             t.comment = "8A - 7 Energy ";
         }},
        {"energy",
         [](Track& t) {
             t.energy = 6;
         }},
        {"rating absent",
         [](Track& t) {
             t.rating.reset();
         }},
        {"rating zero",
         [](Track& t) {
             t.rating = 0;
         }},
        {"duration",
         [](Track& t) {
             t.duration = 412.0;
         }},
        {"filepath",
         [](Track& t) {
             t.filepath = "/Music/Night Song.flac";
         }},
        {"dateAdded",
         [](Track& t) {
             t.dateAdded = *t.dateAdded + days(1);
         }},
        {"year",
         [](Track& t) {
             t.year.reset();
         }},
        {"label",
         [](Track& t) {
             t.label = "label";
         }},
    };
    std::unordered_set<Track> set{base};
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Track changed = base;
        change(changed);
        EXPECT_EQ(changed.id, base.id);
        EXPECT_NE(changed, base);
        EXPECT_TRUE(set.insert(changed).second);
        EXPECT_EQ(std::hash<Track>{}(changed), std::hash<Track>{}(Track(changed)));
    }
    EXPECT_EQ(set.size(), changes.size() + 1);
    EXPECT_FALSE(set.insert(fullTrack()).second) << "an equal track built anew is found";
}

TEST(Track, SignedZeroTempoIsOneValue) {
    Track positive = fullTrack();
    Track negative = fullTrack();
    positive.bpm = 0.0;
    negative.bpm = -0.0;
    EXPECT_EQ(positive, negative);
    EXPECT_EQ(std::hash<Track>{}(positive), std::hash<Track>{}(negative));
}

} // namespace
} // namespace cuevox::metadata
