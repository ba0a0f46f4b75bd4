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
        track("1", "the band", "Night Song"),
        track("2", "Café Tacvba", "Eres"),                       // é precomposed
        track("3", "Sigur Ro\u0301s", "Ho\u0301ppi\u0301polla"), // combining acutes
        track("4", "\u0130stanbul Ensemble", "Stra\u00DFe"),     // İ and ß
        track("5", "Artist", "Song (Extended Mix)"),
        track("6", "Simon & Garfunkel", "Mrs Robinson"),
        track("7", "", " "),
        track("8", "  DJ\tX  ", "\nTrack\n"),
        track("9", "Dup", "Same"),
        track("10", "dup", "same"),
        track("11", "A::B", "C"),
        track("12", "\u00C5ngstr\u00F6m", "\u03A3\u039F\u03A3"), // Å, ö; Greek capital sigmas
    };
    const struct {
        const char* name;
        std::string title;
        std::string artist;
        const char* expected;
    } cases[] = {
        {"exact", "Night Song", "the band", "1"},
        {"trim and case", " Night Song ", "The BAND", "1"},
        {"trailing line break", "Night Song\n", "\tthe band\r\n", "1"},
        {"inner spaces stay", "Night  Song", "the band", nullptr},
        {"title and artist are not swapped", "the band", "Night Song", nullptr},
        {"NFD query finds NFC entry", "Eres", "Cafe\u0301 Tacvba", "2"},
        {"NFC query finds NFD entry", "H\u00F3pp\u00EDpolla", "Sigur R\u00F3s", "3"},
        {"upper-case NFD finds lower-case entry", "HO\u0301PPI\u0301POLLA", "SIGUR RO\u0301S", "3"},
        {"accent is not folded away", "Eres", "Cafe Tacvba", nullptr},
        {"dotted capital I lower-cases fully", "Stra\u00DFe", "i\u0307stanbul ensemble", "4"},
        {"dotless query does not match dotted I", "Stra\u00DFe", "istanbul ensemble", nullptr},
        {"sharp s is not case-folded to ss", "STRASSE", "\u0130stanbul Ensemble", nullptr},
        {"mix name in brackets is not dropped", "Song", "Artist", nullptr},
        {"bracketed mix name matches itself", "song (extended mix)", "ARTIST", "5"},
        {"ampersand is not the word", "Mrs Robinson", "Simon and Garfunkel", nullptr},
        {"empty deck texts match a blank entry", "", "", "7"},
        {"blank deck texts match a blank entry", "\t", "  ", "7"},
        {"entry's own white space is trimmed", "track", "dj\tx", "8"},
        {"first of two equal keys wins", "SAME", "DUP", "9"},
        {"separator in the artist", "C", "A::B", "11"},
        {"the separator does not move between artist and title", "B::C", "A", nullptr},
        {"final sigma lower-cases as in the entry", "\u03C3\u03BF\u03C2", "\u00E5ngstr\u00F6m",
         "12"},
        {"not in the collection", "Other", "the band", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectMatch(collection, c.title, c.artist, c.expected);
    }
}

TEST(LibraryTrackIndex, EmptyCollectionAndFirstInOrder) {
    expectMatch({}, "", "", nullptr);
    expectMatch({}, "T", "A", nullptr);
    // Earliest wins even when a later entry matches exactly and the earlier one only after
    // normalising.
    expectMatch({track("late-exact", "x", "y"), track("z", "A", "T")}, "T", "A", "z");
    expectMatch({track("first", " a ", "T"), track("second", "A", "T")}, "T", "A", "first");
    // The "::" confusion works the other way round too.
    expectMatch({track("1", "A", "B::C")}, "C", "A::B", nullptr);
}

TEST(LibraryTrackIndex, DefaultIndexFindsNothing) {
    const LibraryTrackIndex index;
    EXPECT_EQ(index.find("", ""), nullptr);
    EXPECT_EQ(index.size(), 0U);
}

} // namespace
} // namespace cuevox::decks
