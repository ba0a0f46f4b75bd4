#include "text/Text.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::text {
namespace {

TEST(Text, TrimRemovesWhiteSpaceAndLineBreaksAtBothEndsOnly) {
    struct Case {
        std::string input;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"\t\r\n", ""},
        {"  Night Song\n", "Night Song"},
        {"A  B", "A  B"},
        {"\u00A0No-break\u00A0", "No-break"},
        {"\u2028Line\u2029", "Line"},
        {"\u3000Ideographic\u3000", "Ideographic"},
        {"\u0085Next line", "Next line"},
        {"Caf\u00E9 ", "Caf\u00E9"},
        // A zero-width space is not white space, so it stays.
        {"\u200BX", "\u200BX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(trim(c.input), c.expected);
        EXPECT_EQ(isBlank(c.input), c.expected.empty());
    }
}

TEST(Text, CaseMappingIsFullAndLocaleIndependent) {
    struct Case {
        std::string input;
        std::string lower;
        std::string upper;
    } cases[] = {
        {"The Band", "the band", "THE BAND"},
        {"Stra\u00DFe", "stra\u00DFe", "STRASSE"},
        // Root-locale mapping: the Turkish dotted capital I keeps its dot as a combining mark.
        {"\u0130stanbul", "i\u0307stanbul", "\u0130STANBUL"},
        {"\u00C9T\u00C9", "\u00E9t\u00E9", "\u00C9T\u00C9"},
        {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2", "\u039F\u0394\u039F\u03A3"},
        {"\uFB00", "\uFB00", "FF"},
        {"8a", "8a", "8A"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(toLower(c.input), c.lower);
        EXPECT_EQ(toUpper(c.input), c.upper);
    }
}

TEST(Text, NormalizationComposesCanonicalEquivalents) {
    EXPECT_EQ(normalizeNFC("Cafe\u0301"), "Caf\u00E9");
    EXPECT_EQ(normalizeNFC("Caf\u00E9"), "Caf\u00E9");
    EXPECT_EQ(normalizeNFC("\u212B"), "\u00C5"); // the angstrom sign is a singleton
    EXPECT_EQ(normalizeNFC(""), "");
}

TEST(Text, CodePointOrderIsNotUtf16Order) {
    // U+FF21 sorts before U+1F600 by code point, although UTF-16 surrogates would reverse it.
    EXPECT_EQ(compareCodePoints("\uFF21", "\U0001F600"), std::strong_ordering::less);
    EXPECT_EQ(compareCodePoints("B", "a"), std::strong_ordering::less);
    EXPECT_EQ(compareCodePoints("ab", "a"), std::strong_ordering::greater);
    EXPECT_EQ(compareCodePoints("x", "x"), std::strong_ordering::equal);
}

TEST(Text, CaseInsensitiveComparisonAndContainment) {
    struct Case {
        std::string lhs;
        std::string rhs;
        bool equal;
        bool contains;
    } cases[] = {
        {"Deep House", "deep house", true, true},
        {"STRASSE", "stra\u00DFe", true, true},
        {"Caf\u00E9", "CAFE\u0301", true, true},
        {"Tech House", "house", false, true},
        {"House", "Tech House", false, false},
        {"Techno", "", false, true},
        {"", "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lhs + " / " + c.rhs);
        EXPECT_EQ(equalsIgnoringCase(c.lhs, c.rhs), c.equal);
        EXPECT_EQ(foldCase(c.lhs) == foldCase(c.rhs), c.equal);
        EXPECT_EQ(containsIgnoringCase(c.lhs, c.rhs), c.contains);
    }
}

TEST(Text, ParseIntegerAcceptsOnlyTheStandardForm) {
    struct Case {
        std::string input;
        std::optional<long long> expected;
    } cases[] = {
        {"8", 8},
        {"08", 8},
        {"+8", 8},
        {"-1", -1},
        {"-0", 0},
        {"9223372036854775807", 9223372036854775807LL},
        {"-9223372036854775808", std::numeric_limits<long long>::min()},
        {"9223372036854775808", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"+-8", std::nullopt},
        {"--8", std::nullopt},
        {" 8", std::nullopt},
        {"8 ", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"\u0668", std::nullopt}, // Arabic-Indic digit eight
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(parseInteger(c.input), c.expected);
    }
}

TEST(Text, CodePointsRoundTripAndIllFormedBytesBecomeReplacementCharacters) {
    const std::string text = "A\u00E9\u266F\U0001F3B5";
    EXPECT_EQ(toCodePoints(text), (std::u32string{U'A', U'\u00E9', U'\u266F', U'\U0001F3B5'}));
    EXPECT_EQ(fromCodePoints(toCodePoints(text)), text);
    EXPECT_EQ(toCodePoints("a\xFF"
                           "b"),
              (std::u32string{U'a', U'\uFFFD', U'b'}));
    EXPECT_EQ(trim("\xC3"), "\xC3"); // a cut sequence is not white space and is kept
}

TEST(Text, EscapeForMessageLeavesOneLineOfWellFormedUTF8) {
    struct Case {
        std::string input;
        std::string expected;
    } cases[] = {
        {"Caf\u00E9 \U0001F468\u200D\U0001F469", "Caf\u00E9 \U0001F468\u200D\U0001F469"},
        {"x\ny.xml", R"(x\ny.xml)"},
        {"a\r\tb\\n", R"(a\r\tb\\n)"},
        {std::string("a\0b", 3), R"(a\0b)"},
        {"\x1B[31m\x7F", R"(\u{1B}[31m\u{7F})"},
        {"\u0085\u009B\u2028\u2029", R"(\u{85}\u{9B}\u{2028}\u{2029})"},
        {"\xFF\xC0\xAF", R"(\xFF\xC0\xAF)"},
        {"\xE2\x82z\xED\xA0\x80", R"(\xE2\x82z\xED\xA0\x80)"},
        {"cut \xF0\x9F\x8E", R"(cut \xF0\x9F\x8E)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(escapeForMessage(c.input), c.expected);
    }
}

TEST(Text, CharactersAreWhatTheUserSeesNotBytesOrCodePoints) {
    struct Case {
        const char* text;
        std::size_t count;
        std::size_t prefixLength;
        const char* prefix;
    };
    const Case cases[] = {
        {"", 0, 3, ""},
        {"House", 5, 3, "Hou"},
        {"House", 5, 9, "House"},
        {"House", 5, 0, ""},
        {"Caf\u00E9s", 5, 4, "Caf\u00E9"},
        {"Cafe\u0301s", 5, 4, "Cafe\u0301"}, // combining accent stays with its letter
        {"\U0001F1EF\U0001F1F5!", 2, 1, "\U0001F1EF\U0001F1F5"}, // a flag is two code points
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467x", 2, 1,
         "\U0001F468\u200D\U0001F469\u200D\U0001F467"},
        {"\u30C6\u30AF\u30CE", 3, 2, "\u30C6\u30AF"},
        {"\r\nab", 3, 1, "\r\n"},
        {"a\xFF"
         "b",
         3, 2, "a\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(characterCount(c.text), c.count);
        EXPECT_EQ(characterPrefix(c.text, c.prefixLength), c.prefix);
    }
}

TEST(Text, AppendLowerAgreesWithToLowerAndKeepsWhatWasThere) {
    const char* const inputs[] = {
        "", "MIXED Case", "STRA\u00DFE", "\u1E9E", "\u0130stanbul", "\u212Aelvin",
        "\u03A3\u0391\u03A3", "\u039F\u0394\u039F\u03A3 \u03A3", "\u00C4RZTE", "A\u0308",
        "\u023A\u023E", "\uFF21\uFF22", "\U00010400", "x\xFFY", "Z\xC3",
        "\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130", // grows by half
    };
    for (const char* input : inputs) {
        const std::string text = input;
        SCOPED_TRACE(text);
        std::string out = "kept:";
        appendLower(out, text);
        EXPECT_EQ(out, "kept:" + toLower(text));
    }
}

TEST(Text, TrimmedViewPointsIntoTheText) {
    const std::string text = "\u3000 Night Song\n\u00A0";
    const std::string_view view = trimmedView(text);
    EXPECT_EQ(view, "Night Song");
    EXPECT_EQ(view.data(), text.data() + 4);
    EXPECT_EQ(trimmedView(" \t "), "");
}

TEST(Text, DisplayWidthCountsTerminalColumns) {
    struct Case {
        const char* text;
        std::size_t width;
    } cases[] = {
        {"", 0},
        {"Night Song", 10},
        {"\u2713 Same BPM", 10},      // check mark is narrow
        {"\u00B11 Camelot", 10},      // plus-minus sign is narrow
        {"Caf\u00E9", 4},             // precomposed
        {"Cafe\u0301", 4},            // combining acute takes no column
        {"\u6771\u4EAC", 4},          // CJK ideographs are wide
        {"\uFF21", 2},                // fullwidth A
        {"\U0001F3B5", 2},            // emoji presentation
        {"a\u200Bb", 2},              // zero-width space
        {"a\xFF" "b", 3},             // ill-formed byte shows as one replacement character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(displayWidth(c.text), c.width);
    }
}

} // namespace
} // namespace cuevox::text

