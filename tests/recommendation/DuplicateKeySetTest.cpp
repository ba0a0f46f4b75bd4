#include "recommendation/DuplicateKeySet.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
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
        EXPECT_EQ(set.insert(track), seen.insert(track.duplicateKey()).second)
            << track.artist + "::" + track.title;
    }
    EXPECT_EQ(set.size(), seen.size());
    // Inserting everything again finds every key.
    for (const Track& track : tracks) {
        EXPECT_FALSE(set.insert(track)) << track.artist + "::" + track.title;
    }
}

TEST(DuplicateKeySet, FindNumbersKeysInInsertionOrderAndMissesTheRest) {
    // Held keys whose artist or title is short, holds the separator, or starts beyond ASCII,
    // so that every shortcut of the look-up meets a key it must not rule out.
    const std::vector<Track> held = {
        // clang-format off
        tags("DJ X", "Tune"),        tags("A::B", "Cde"),    tags("ab", "::cdef"),
        tags("a", "b"),              tags("", ""),           tags("\u212Aick", "Drum"),
        tags("\u00C4rzte", "Lied"),  tags("Zo\u00EB", "Caf\u00E9"), tags("AB", "C D E"),
        tags(" Lalk ", "\tSong\n"), tags("\u0130stanbul", "Gece"), tags("x:", ":yzw"),
        // clang-format on
    };
    DuplicateKeySet set(2);
    std::map<std::string, std::size_t> numbers;
    for (const Track& track : held) {
        if (set.insert(track)) {
            numbers.emplace(track.duplicateKey(), numbers.size());
        }
    }
    const std::vector<Track> probes = {
        // clang-format off
        tags("dj x", "TUNE"),        tags("DJ X", "Tunes"),   tags("DJ Y", "Tune"),
        tags("a", "b::cde"),         tags("A::", "B::CDE"),   tags("AB", "::CDEF"),
        tags("ab::", "cdef"),        tags("A", "B"),          tags("A ", " B"),
        tags(" ", "\n"),             tags("kick", "drum"),    tags("KICK", "DRUM"),
        tags("\u00E4RZTE", "LIED"),  tags("a\u0308rzte", "lied"), tags("ZO\u00CB", "CAF\u00C9"),
        tags("Zoe\u0308", "Cafe\u0301"), tags("ab", "c d e"), tags("ab", "c  d e"),
        tags("lalk", "song"),        tags("LALK", "SONG "),   tags("i\u0307stanbul", "gece"),
        tags("x::", "yzw"),          tags("X:", ":YZW"),      tags("x", "::yzw"),
        tags("Other", "Thing"),      tags("\u00C4", "Lied"),
        // clang-format on
    };
    for (const Track& track : probes) {
        SCOPED_TRACE(track.artist + "::" + track.title);
        const auto known = numbers.find(track.duplicateKey());
        EXPECT_EQ(set.find(track), known == numbers.end()
                                       ? std::nullopt
                                       : std::optional<std::size_t>(known->second));
    }
    for (const Track& track : held) {
        EXPECT_EQ(set.find(track), numbers.at(track.duplicateKey()))
            << track.artist + "::" + track.title;
    }
}

} // namespace
} // namespace cuevox::recommendation
