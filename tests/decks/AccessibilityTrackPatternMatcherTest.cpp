#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using AccessibilityTrackPatternMatcher::DeckSlotState;
namespace Matcher = AccessibilityTrackPatternMatcher;
using Texts = std::vector<std::string>;

DeckSlotState loaded(std::string title, std::string artist, std::optional<double> bpm,
                     std::string key, std::size_t end) {
    return DeckSlotState::loaded({std::move(title), std::move(artist), bpm, std::move(key), end});
}

const DeckSlotState kEmpty = DeckSlotState::empty();

std::string describe(const std::vector<DeckSlotState>& slots) {
    std::string text;
    for (const DeckSlotState& slot : slots) {
        if (slot.candidate) {
            const DeckTrackCandidate& c = *slot.candidate;
            text += "[" + c.title + "|" + c.artist + "|" + (c.bpm ? std::to_string(*c.bpm) : "-") +
                    "|" + c.rawKey + "|" + std::to_string(c.sourceEndIndex) + "]";
        } else {
            text += "[empty]";
        }
    }
    return text;
}

// Checks the slots, and that the candidate scan agrees with them on the same texts.
void expectSlots(const Texts& texts, const std::vector<DeckSlotState>& expected,
                 metadata::KeyNotationOptions keys = {}) {
    const std::vector<DeckSlotState> slots = Matcher::extractDeckSlots(texts, keys);
    EXPECT_EQ(slots, expected) << describe(slots);
    std::vector<DeckTrackCandidate> loadedCandidates;
    for (const DeckSlotState& slot : expected) {
        if (slot.candidate) {
            loadedCandidates.push_back(*slot.candidate);
        }
    }
    EXPECT_EQ(Matcher::extractCandidates(texts, keys), loadedCandidates);
}

TEST(AccessibilityTrackPatternMatcher, FindsBlocksAndMarkersInScreenOrderAfterRejectedOnes) {
    // clang-format off
    const struct { Texts texts; std::vector<DeckSlotState> expected; } cases[] = {
        {{}, {}},
        {{"Not Loaded.", "x", "Not Loaded."}, {kEmpty, kEmpty}},
        {{"Not Loaded.", "T", "A", "128.00", "8A", "Not Loaded."},
         {kEmpty, loaded("T", "A", 128, "8A", 5), kEmpty}},
        {{"rekordbox", "0:10.2", "A", "a", "120.00", "1A", "-3:20.1", "x", "y", "B", "b", "99.5",
          "Am", "BROWSE"},
         {loaded("A", "a", 120, "1A", 6), loaded("B", "b", 99.5, "Am", 13)}},
        // An empty title is no title: the artist is read as title one text later.
        {{"", "Artist", "Remix", "128.00", "8A"}, {loaded("Artist", "Remix", 128, "8A", 5)}},
        {{" T ", "", "128.00", ""}, {loaded(" T ", "", 128, "", 4)}},
        {{"Not Loaded.", "A", "128.00", "8A"}, {loaded("Not Loaded.", "A", 128, "8A", 4)}},
        {{"T", "A", "120.00", "1A", "126.00", "2A", "125.00", "3A"},
         {loaded("T", "A", 120, "1A", 4), loaded("126.00", "2A", 125, "3A", 8)}},
        {{"T", "A", "128.00"}, {}},
        {{"not loaded.", "Not Loaded", "Not Loaded. "}, {}},
        {{"1", "a", "120.00", "1A", "2", "b", "120.00", "2A", "3", "c", "120.00", "3A", "4", "d",
          "120.00", "4A", "Not Loaded.", "5", "e", "120.00", "5A"},
         {loaded("1", "a", 120, "1A", 4), loaded("2", "b", 120, "2A", 8),
          loaded("3", "c", 120, "3A", 12), loaded("4", "d", 120, "4A", 16), kEmpty,
          loaded("5", "e", 120, "5A", 21)}},
        // A rejected block moves the scan on by one text: a marker right after it still counts,
        // and a valid block starting inside the failed one is found.
        {{"T", "A", "128.00", "13A", "Not Loaded.", "U", "B", "126.00", "4B"},
         {kEmpty, loaded("U", "B", 126, "4B", 9)}},
        {{"T", "A", "128.00", "X", "126.00", "4B"}, {loaded("128.00", "X", 126, "4B", 6)}},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        expectSlots(cases[i].texts, cases[i].expected);
    }
}

// A track without a tempo shows dashes or a zero: a deck all the same, or the decks after it
// would move up one.
TEST(AccessibilityTrackPatternMatcher, TempoIsTwoOrThreeDigitsAndOneOrTwoDecimalsInASCII) {
    const std::pair<const char*, std::optional<double>> accepted[] = {
        {"99.5", 99.5},          {"999.99", 999.99},     {"070.25", 70.25},
        {"00.0", std::nullopt},  {"0.00", std::nullopt}, {"000.0", std::nullopt},
        {"--.--", std::nullopt}, {"---", std::nullopt},  {"-", std::nullopt}};
    for (const auto& [tempo, value] : accepted) {
        SCOPED_TRACE(tempo);
        expectSlots({"T", "A", tempo, "8A"}, {loaded("T", "A", value, "8A", 4)});
    }
    for (const std::string tempo :
         {"128", "128.000", "1280.00", "-12.00", "128.00\n", "128.0a", "1234", "1.234", "12.3.4",
          "\u0661\u0662\u0668.\u0660\u0660", "12:00", "0", "0000.0", "0.000", "..", "---.---",
          "\u2013.\u2013"}) {
        SCOPED_TRACE(tempo);
        expectSlots({"T", "A", tempo, "8A"}, {});
    }
}

// Open Key texts only when the collection is read with them.
TEST(AccessibilityTrackPatternMatcher, KeyIsOneTheConverterKnowsOrBlankOrDashes) {
    for (const std::string key : {"12B", "8A\n", "F#m", "E minor", "", "\t \n", "---", "-"}) {
        SCOPED_TRACE(key);
        expectSlots({"T", "A", "128.00", key}, {loaded("T", "A", 128, key, 4)});
    }
    for (const std::string key : {"13A", "H", "8", "1m", "-8A", "-------", "-.-"}) {
        SCOPED_TRACE(key);
        expectSlots({"T", "A", "128.00", key}, {});
    }
    expectSlots({"T", "A", "--.--", "1m", "U", "B", "120.00", "12d"},
                {loaded("T", "A", std::nullopt, "1m", 4), loaded("U", "B", 120, "12d", 8)},
                {.openKey = true});
}

} // namespace
} // namespace cuevox::decks
