#include "text/Text.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace cuevox::text {
namespace {

TEST(Text, TrimRemovesWhiteSpaceAndLineBreaksAtBothEndsOnly) {
    // clang-format off
    struct Case { std::string input, expected; } cases[] = {
        {"\t\r\n ", ""},
        {"\u3000 A  B\n\u00A0", "A  B"},
        {"\u2028Line\u0085", "Line"},
        {"\u200BX", "\u200BX"}, // a zero-width space is not white space
        {"\xC3 ", "\xC3"},      // nor is a cut sequence
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(trim(c.input), c.expected);
        EXPECT_EQ(isBlank(c.input), c.expected.empty());
    }
    const std::string text = "\u3000 Night Song\n";
    EXPECT_EQ(trimmedView(text).data(), text.data() + 4) << "a view into the text";
}

TEST(Text, CaseMappingIsFullAndLocaleIndependent) {
    // clang-format off
    struct Case { std::string input, lower, upper; } cases[] = {
        {"Stra\u00DFe", "stra\u00DFe", "STRASSE"},
        // Root-locale mapping: the Turkish dotted capital I keeps its dot as a combining mark.
        {"\u0130stanbul", "i\u0307stanbul", "\u0130STANBUL"},
        {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2", "\u039F\u0394\u039F\u03A3"},
        {"x\xFFY", "x\uFFFDy", "X\uFFFDY"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(toLower(c.input), c.lower);
        EXPECT_EQ(toUpper(c.input), c.upper);
    }
}

TEST(Text, AppendLowerAgreesWithToLowerAndKeepsWhatWasThere) {
    for (const char* input : {"", "MIXED Case", "\u212Aelvin", "\u03A3\u0391\u03A3", "x\xFFY",
                              "\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130\u0130"
                              "\u0130\u0130\u0130\u0130\u0130\u0130\u0130"}) { // grows by half
        SCOPED_TRACE(input);
        std::string out = "kept:";
        appendLower(out, input);
        EXPECT_EQ(out, "kept:" + toLower(input));
    }
}

TEST(Text, NormalizationCodePointsAndTheirOrder) {
    EXPECT_EQ(normalizeNFC("Cafe\u0301"), "Caf\u00E9");
    EXPECT_EQ(normalizeNFC("\u212B"), "\u00C5"); // the angstrom sign is a singleton
    // U+FF21 sorts before U+1F600 by code point, although UTF-16 surrogates would reverse it.
    EXPECT_EQ(compareCodePoints("\uFF21", "\U0001F600"), std::strong_ordering::less);
    EXPECT_EQ(compareCodePoints("ab", "a"), std::strong_ordering::greater);
    // Code points round-trip; ill-formed bytes become replacement characters.
    const std::string text = "A\u00E9\u266F\U0001F3B5";
    EXPECT_EQ(toCodePoints(text), (std::u32string{U'A', U'\u00E9', U'\u266F', U'\U0001F3B5'}));
    EXPECT_EQ(fromCodePoints(toCodePoints(text)), text);
    EXPECT_EQ(toCodePoints("a\xFF"
                           "b"),
              (std::u32string{U'a', U'\uFFFD', U'b'}));
    EXPECT_TRUE(isValidUTF8(text));
    EXPECT_FALSE(isValidUTF8(std::string("a\0b", 3)));
    EXPECT_FALSE(isValidUTF8("\xED\xA0\x80"));
}

TEST(Text, CaseInsensitiveComparisonAndContainment) {
    // clang-format off
    struct Case { std::string lhs, rhs; bool equal, contains; } cases[] = {
        {"STRASSE", "stra\u00DFe", true, true},
        {"Caf\u00E9", "CAFE\u0301", true, true},
        {"Tech House", "house", false, true},
        {"House", "Tech House", false, false},
        {"Techno", "", false, true},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lhs + " / " + c.rhs);
        EXPECT_EQ(equalsIgnoringCase(c.lhs, c.rhs), c.equal);
        EXPECT_EQ(foldCase(c.lhs) == foldCase(c.rhs), c.equal);
        EXPECT_EQ(containsIgnoringCase(c.lhs, c.rhs), c.contains);
    }
}

TEST(Text, ParseIntegerAcceptsOnlyTheStandardForm) {
    // clang-format off
    struct Case { std::string input; long long expected; } accepted[] = {
        {"08", 8},
        {"+8", 8},
        {"-1", -1},
        {"9223372036854775807", std::numeric_limits<long long>::max()},
        {"-9223372036854775808", std::numeric_limits<long long>::min()},
        // clang-format on
    };
    for (const Case& c : accepted) {
        EXPECT_EQ(parseInteger(c.input), c.expected) << c.input;
    }
    for (const char* input : {"9223372036854775808", "-9223372036854775809", "", "+", "+-8", " 8",
                              "8 ", "0x10", "\u0668"}) {
        EXPECT_EQ(parseInteger(input), std::nullopt) << input;
    }
}

TEST(Text, EscapeForMessageLeavesOneLineOfWellFormedUTF8) {
    // clang-format off
    struct Case { std::string input, expected; } cases[] = {
        {"Caf\u00E9 \U0001F468\u200D\U0001F469", "Caf\u00E9 \U0001F468\u200D\U0001F469"},
        {"a\r\n\tb\\", R"(a\r\n\tb\\)"},
        {std::string("a\0b", 3), R"(a\0b)"},
        {"\x1B[31m\x7F\u0085\u2028\u2029", R"(\u{1B}[31m\u{7F}\u{85}\u{2028}\u{2029})"},
        {"\xFF\xE2\x82z\xED\xA0\x80", R"(\xFF\xE2\x82z\xED\xA0\x80)"},
        {"cut \xF0\x9F\x8E", R"(cut \xF0\x9F\x8E)"},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(escapeForMessage(c.input), c.expected) << c.expected;
    }
}

TEST(Text, CharactersAndColumnsAreWhatTheUserSees) {
    struct Case {
        const char* text;
        std::size_t count;
        std::size_t prefixLength;
        const char* prefix;
        std::size_t width;
    } cases[] = {
        // clang-format off
        {"House", 5, 9, "House", 5},
        {"Cafe\u0301s", 5, 4, "Cafe\u0301", 5}, // a combining accent stays with its letter
        {"\U0001F1EF\U0001F1F5!", 2, 1, "\U0001F1EF\U0001F1F5", 3}, // a flag is two code points
        {"\u6771\u4EAC", 2, 1, "\u6771", 4},                         // wide ideographs
        {"\r\nab", 3, 1, "\r\n", 2},
        {"a\u200Bb", 3, 0, "", 2},                                   // a zero-width space
        {"\u2713\uFF21\U0001F3B5", 3, 2, "\u2713\uFF21", 5},
        {"a\xFF" "b", 3, 2, "a\xFF", 3},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(characterCount(c.text), c.count);
        EXPECT_EQ(characterPrefix(c.text, c.prefixLength), c.prefix);
        EXPECT_EQ(excerpt(c.text, c.prefixLength),
                  c.prefix + std::string(c.prefixLength < c.count ? "\u2026" : ""));
        EXPECT_EQ(displayWidth(c.text), c.width);
    }
}

} // namespace
} // namespace cuevox::text
