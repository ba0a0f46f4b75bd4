#include "metadata/Track.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::metadata {
namespace {

TEST(Track, ValidCandidateNeedsAFileAndAPositiveTempo) {
    struct Case {
        std::optional<std::string> filepath;
        std::optional<double> bpm;
        bool expected;
    } cases[] = {
        {"x", 0.01, true},
        {"", 128.0, false},
        {std::nullopt, 128.0, false},
        {"/a.mp3", 0.0, false},
        {"/a.mp3", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filepath.value_or("<none>") + " " + std::to_string(c.bpm.value_or(-1)));
        Track track;
        track.filepath = c.filepath;
        track.bpm = c.bpm;
        EXPECT_EQ(track.isValidCandidate(), c.expected);
    }
}

TEST(Track, DuplicateKeyTrimsAndLowerCasesArtistAndTitle) {
    // clang-format off
    struct Case { std::string artist, title, expected; } cases[] = {
        {" The  Band ", "Night Song\n", "the  band::night song"},
        {"\tDJ \u00C9T\u00C9\u00A0", "\u00DCBER", "dj \u00E9t\u00E9::\u00FCber"},
        {"\u0130lhan", "", "i\u0307lhan::"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Track track;
        track.artist = c.artist;
        track.title = c.title;
        EXPECT_EQ(track.duplicateKey(), c.expected);
    }
}

// Equal tracks hash alike, and each field, present or not, takes part in the hash.
} // namespace
} // namespace cuevox::metadata
