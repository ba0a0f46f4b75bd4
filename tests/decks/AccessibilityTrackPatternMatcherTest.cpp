#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using AccessibilityTrackPatternMatcher::DeckSlotState;
using AccessibilityTrackPatternMatcher::extractCandidates;
using AccessibilityTrackPatternMatcher::extractDeckSlots;
using Texts = std::vector<std::string>;

DeckSlotState loaded(std::string title, std::string artist, double bpm, std::string key,
                     std::size_t end) {
    return DeckSlotState::loaded({std::move(title), std::move(artist), bpm, std::move(key), end});
}

const DeckSlotState kEmpty = DeckSlotState::empty();

std::string describe(const std::vector<DeckSlotState>& slots) {
    std::string text;
    for (const DeckSlotState& slot : slots) {
        if (slot.candidate) {
            const DeckTrackCandidate& c = *slot.candidate;
            text += "[" + c.title + "|" + c.artist + "|" + std::to_string(c.bpm) + "|" + c.rawKey +
                    "|" + std::to_string(c.sourceEndIndex) + "]";
        } else {
            text += "[empty]";
        }
    }
    return text;
}

// Checks the slots, and that the candidate scan agrees with them on the same texts.
void expectSlots(const Texts& texts, const std::vector<DeckSlotState>& expected) {
    const std::vector<DeckSlotState> slots = extractDeckSlots(texts);
    EXPECT_EQ(slots, expected) << describe(slots);
    std::vector<DeckTrackCandidate> loadedCandidates;
    for (const DeckSlotState& slot : expected) {
        if (slot.candidate) {
            loadedCandidates.push_back(*slot.candidate);
        }
    }
    EXPECT_EQ(extractCandidates(texts), loadedCandidates);
}

TEST(AccessibilityTrackPatternMatcher, FindsBlocksAndMarkersInScreenOrder) {
    const struct {
        const char* name;
        Texts texts;
        std::vector<DeckSlotState> expected;
    } cases[] = {
        {"nothing", {}, {}},
        {"markers among fewer than four texts",
         {"Not Loaded.", "x", "Not Loaded."},
         {kEmpty, kEmpty}},
        {"one block",
         {"Title", "Artist", "128.00", "8A"},
         {loaded("Title", "Artist", 128, "8A", 4)}},
        {"marker, block, marker",
         {"Not Loaded.", "Title", "Artist", "128.00", "8A", "Not Loaded."},
         {kEmpty, loaded("Title", "Artist", 128, "8A", 5), kEmpty}},
        {"blocks back to back",
         {"A", "a", "120.00", "1A", "B", "b", "121.50", "2B"},
         {loaded("A", "a", 120, "1A", 4), loaded("B", "b", 121.5, "2B", 8)}},
        {"other texts between blocks are skipped",
         {"rekordbox", "0:10.2", "A", "a", "120.00", "1A", "-3:20.1", "x", "y", "B", "b", "99.5",
          "Am", "BROWSE"},
         {loaded("A", "a", 120, "1A", 6), loaded("B", "b", 99.5, "Am", 13)}},
        {"block shifted by empty texts",
         {"", "", "T", "A", "128.00", "8A"},
         {loaded("T", "A", 128, "8A", 6)}},
        {"empty title: the artist is read as title one text later",
         {"", "Artist", "Remix", "128.00", "8A"},
         {loaded("Artist", "Remix", 128, "8A", 5)}},
        {"empty artist and key", {"T", "", "128.00", ""}, {loaded("T", "", 128, "", 4)}},
        {"deck display: headers, an empty deck's blank labels, times",
         {"DECK 1", "Not Loaded.", "", "", "", "", "", "DECK 2", "T", "", "128.00", "", "0:10.2",
          "-3:20.1", "DECK 3", "", "", "128.00", ""},
         {kEmpty, loaded("T", "", 128, "", 12)}},
        {"blank title and artist count as texts",
         {" ", "\t", "128.00", "8A"},
         {loaded(" ", "\t", 128, "8A", 4)}},
        {"texts are kept as read, untrimmed",
         {" Title ", "Artist\n", "128.00", "8A\n"},
         {loaded(" Title ", "Artist\n", 128, "8A\n", 4)}},
        {"a marker that starts a block is a title",
         {"Not Loaded.", "A", "128.00", "8A"},
         {loaded("Not Loaded.", "A", 128, "8A", 4)}},
        {"blocks never overlap",
         {"T", "A", "120.00", "1A", "126.00", "2A", "125.00", "3A"},
         {loaded("T", "A", 120, "1A", 4), loaded("126.00", "2A", 125, "3A", 8)}},
        {"a block needs all four texts", {"T", "A", "128.00"}, {}},
        {"markers only match exactly",
         {"not loaded.", "Not Loaded", "Not Loaded. ", " Not Loaded.", "NOT LOADED.",
          "Not Loaded.\n", "Not  Loaded."},
         {}},
        {"more than four blocks are all reported",
         {"1",      "a",  "120.00",      "1A",     "2",  "b",      "120.00",
          "2A",     "3",  "c",           "120.00", "3A", "4",      "d",
          "120.00", "4A", "Not Loaded.", "5",      "e",  "120.00", "5A"},
         {loaded("1", "a", 120, "1A", 4), loaded("2", "b", 120, "2A", 8),
          loaded("3", "c", 120, "3A", 12), loaded("4", "d", 120, "4A", 16), kEmpty,
          loaded("5", "e", 120, "5A", 21)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSlots(c.texts, c.expected);
    }
}

TEST(AccessibilityTrackPatternMatcher, TempoIsTwoOrThreeDigitsAndOneOrTwoDecimalsInASCII) {
    const struct {
        std::string tempo;
        double value;
    } accepted[] = {
        {"128.00", 128.0},  {"99.5", 99.5},    {"174.00", 174.0}, {"00.0", 0.0},
        {"999.99", 999.99}, {"070.25", 70.25}, {"10.1", 10.1},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.tempo);
        expectSlots({"T", "A", c.tempo, "8A"}, {loaded("T", "A", c.value, "8A", 4)});
    }
    const std::string rejected[] = {
        "128",
        "128.000",
        "1280.00",
        "5.00",
        "128,00",
        "",
        ".50",
        "12.",
        "-12.00",
        "+128.00",
        " 128.00",
        "128.00 ",
        "128.00\n",
        "128.00\r\n",
        "128.0a",
        "1e2.00",
        "\u0661\u0662\u0668.\u0660\u0660", // Arabic-Indic digits: "\d" takes them, the number not
        "\uFF11\uFF12\uFF18.\uFF10\uFF10", // full-width digits
        "12\u00B700",
        "128\u002E00\u0301",
        "BPM 128.00",
        "12:00", // a deck time
        "1.234",
        "1234",
        "12.3.4",
        "1.2.34",
    };
    for (const std::string& tempo : rejected) {
        SCOPED_TRACE(tempo);
        expectSlots({"T", "A", tempo, "8A"}, {});
    }
}

TEST(AccessibilityTrackPatternMatcher, KeyIsCamelotAKeyNameTheConverterKnowsOrBlank) {
    const std::string accepted[] = {
        "1A",  "12B",   "8A",      "10B",   "8A\n" /* "$" tolerates a final line break */,
        "8a",  "08A",   " 8A",     "8A ",   "Am",
        "F#m", "Dbmaj", "E minor", "C",     "12b\r\n",
        "",    " ",     "\n",      "\t \n",
    };
    for (const std::string& key : accepted) {
        SCOPED_TRACE(key);
        expectSlots({"T", "A", "128.00", key}, {loaded("T", "A", 128, key, 4)});
    }
    const std::string rejected[] = {
        "13A", "0A", "8C", "A8", "H", "Xyz", "1m", "8", "-", "8 A",
    };
    for (const std::string& key : rejected) {
        SCOPED_TRACE(key);
        expectSlots({"T", "A", "128.00", key}, {});
    }
}

TEST(AccessibilityTrackPatternMatcher, RejectedBlockResumesOneTextLater) {
    // The bad key makes the scan move on by one text, so a marker right after it still counts
    // and a valid block starting inside the failed one is found.
    expectSlots({"T", "A", "128.00", "13A", "Not Loaded.", "U", "B", "126.00", "4B"},
                {kEmpty, loaded("U", "B", 126, "4B", 9)});
    expectSlots({"T", "A", "128.00", "X", "126.00", "4B"}, {loaded("128.00", "X", 126, "4B", 6)});
}

} // namespace
} // namespace cuevox::decks
