#include "decks/LibraryTrackIndex.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

metadata::Track track(std::string id, std::string artist, std::string title) {
    metadata::Track result;
    result.id = std::move(id);
    result.artist = std::move(artist);
    result.title = std::move(title);
    return result;
}

void expectMatch(const std::vector<metadata::Track>& tracks, const std::string& title,
                 const std::string& artist, const char* expectedId) {
    const metadata::Track* found = LibraryTrackIndex(tracks).find(title, artist);
    if (expectedId == nullptr) {
        EXPECT_EQ(found, nullptr) << found->id;
        return;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->id, expectedId);
}

TEST(LibraryTrackIndex, MatchesTrimmedLowerCasedCanonicallyEquivalentPairs) {
    const std::vector<metadata::Track> collection{
        // clang-format off
        track("1", "the band", "Night Song"),
        track("2", "Caf\u00E9 Tacvba", "Eres"),                   // precomposed
        track("3", "Sigur Ro\u0301s", "Ho\u0301ppi\u0301polla"), // combining acutes
        track("7", "", " "),
        track("9", "Dup", "Same"),
        track("10", "dup", "same"),
        track("11", "A::B", "C"),
        // clang-format on
    };
    // clang-format off
    const struct { std::string title, artist; const char* expected; } cases[] = {
        {" Night Song\n", "\tThe BAND", "1"},
        {"the band", "Night Song", nullptr}, // title and artist are not swapped
        {"Eres", "Cafe\u0301 Tacvba", "2"},
        {"HO\u0301PPI\u0301POLLA", "SIGUR RO\u0301S", "3"}, // lower-cased, then composed
        {"", "", "7"},
        {"SAME", "DUP", "9"},
        {"B::C", "A", nullptr}, // the separator does not move between artist and title
        {"Other", "the band", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        expectMatch(collection, c.title, c.artist, c.expected);
    }
    EXPECT_EQ(LibraryTrackIndex().find("", ""), nullptr);
}

} // namespace
} // namespace cuevox::decks
