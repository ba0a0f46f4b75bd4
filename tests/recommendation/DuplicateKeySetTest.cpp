#include "recommendation/DuplicateKeySet.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace cuevox::recommendation {
namespace {

using metadata::Track;

Track tags(std::string artist, std::string title) {
    Track track;
    track.id = "x";
    track.title = std::move(title);
    track.artist = std::move(artist);
    return track;
}

TEST(DuplicateKeySet, AgreesWithTheTracksOwnDuplicateKey) {
    // Every ASCII byte around and inside the tags, upper and lower case, and tags beyond ASCII
    // that lower-case or trim to ASCII ones.
    std::vector<Track> tracks;
    for (int byte = 1; byte < 0x80; ++byte) {
        const std::string c(1, static_cast<char>(byte));
        tracks.push_back(tags(c + "Artist" + c, "Title"));
        tracks.push_back(tags("artist", c + "title" + c));
        tracks.push_back(tags("Ar" + c + "tist", "Title"));
        tracks.push_back(tags(c, c));
    }
    for (const char* text : {"\u212Aick", "kick", "KICK", "\u00A0kick", "kick\u2003", "\u00C4rzte",
                             "\u00E4RZTE", "\u00E4rzte", "a\u0308rzte", "\u0130stanbul",
                             "i\u0307stanbul", "istanbul", "STRASSE", "stra\u00DFe", ""}) {
        tracks.push_back(tags(text, "x"));
        tracks.push_back(tags("x", text));
    }

    DuplicateKeySet set(4); // smaller than needed, so the table grows on the way
    std::set<std::string> seen;
    for (const Track& track : tracks) {
        SCOPED_TRACE(track.artist + "::" + track.title);
        EXPECT_EQ(set.insert(track), seen.insert(track.duplicateKey()).second);
    }
    EXPECT_EQ(set.size(), seen.size());
    // Inserting everything again finds every key.
    for (const Track& track : tracks) {
        SCOPED_TRACE(track.artist + "::" + track.title);
        EXPECT_FALSE(set.insert(track));
    }
}

TEST(DuplicateKeySet, TrimsAndLowerCasesLikeTheCollection) {
    struct Case {
        Track first;
        Track second;
        bool duplicate;
    } cases[] = {
        {tags("DJ X", "Tune"), tags(" dj x\t", "TUNE\r\n"), true},
        {tags("DJ X", "Tune"), tags("\vDJ X\f", "Tune"), true},
        {tags("DJ X", "Tune"), tags("DJ X\x1C", "Tune"), false}, // not white space
        {tags("DJ X", "Tune"), tags("DJ  X", "Tune"), false},
        {tags("DJ X", "Tune"), tags("DJ X", "Tune!"), false},
        {tags("A::B", "C"), tags("A", "B::C"), true},
        {tags("", ""), tags(" ", "\n"), true},
        {tags("\u212Aick", "Drum"), tags("kick", "drum"), true},
        {tags("Caf\u00E9", "x"), tags("CAF\u00C9", "X"), true},
        {tags("Caf\u00E9", "x"), tags("Cafe\u0301", "x"), false}, // no normalisation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.artist + "::" + c.first.title + " / " + c.second.artist +
                     "::" + c.second.title);
        DuplicateKeySet set(2);
        EXPECT_TRUE(set.insert(c.first));
        EXPECT_EQ(set.insert(c.second), !c.duplicate);
    }
}

TEST(DuplicateKeySet, HoldsManyKeysBeyondItsFirstSize) {
    DuplicateKeySet set(1);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 5000; ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(set.insert(tags("Artist " + std::to_string(i), "T")), round == 0);
        }
    }
    EXPECT_EQ(set.size(), 5000U);
}

} // namespace
} // namespace cuevox::recommendation
