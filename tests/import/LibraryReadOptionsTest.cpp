#include "import/XMLLibraryReader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::import {
namespace {

std::vector<std::string> keysOf(const metadata::RekordboxLibrary& library) {
    std::vector<std::string> keys;
    for (const metadata::Track& track : library.tracks) {
        keys.push_back(track.camelotKey ? track.camelotKey->toString() : "-");
    }
    return keys;
}

TEST(LibraryReadOptions, OpenKeyReachesTheTonalityOfEveryTrack) {
    const std::string document = R"(<DJ_PLAYLISTS><COLLECTION>
      <TRACK TrackID="1" Name="a" Tonality="1m"/>
      <TRACK TrackID="2" Name="b" Tonality="6d"/>
      <TRACK TrackID="3" Name="c" Tonality="Am"/>
      <TRACK TrackID="4" Name="d" Tonality="1m" Comments="3A - 5 Energy"/>
    </COLLECTION></DJ_PLAYLISTS>)";
    const auto plain = XMLLibraryReader::parseLibrary(document);
    const auto openKey =
        XMLLibraryReader::parseLibrary(document, {.keyNotation = {.openKey = true}});
    ASSERT_TRUE(plain && openKey);
    EXPECT_EQ(keysOf(*plain), (std::vector<std::string>{"-", "-", "8A", "3A"}));
    EXPECT_EQ(keysOf(*openKey), (std::vector<std::string>{"8A", "1B", "8A", "3A"}));
    EXPECT_EQ(openKey->tracks[0].musicalKey, "1m") << "the text stays as written, for display";
}

} // namespace
} // namespace cuevox::import
