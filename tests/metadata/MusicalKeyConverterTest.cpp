#include "metadata/MusicalKeyConverter.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cuevox::metadata {
namespace {

using MusicalKeyConverter::camelotKeyFromClassicalNotation;
using MusicalKeyConverter::camelotKeyFromOpenKeyNotation;
using MusicalKeyConverter::parseAnyKeyNotation;

std::string textOf(const std::optional<CamelotKey>& key) {
    return key ? key->toString() : "-";
}

TEST(MusicalKeyConverter, EveryPitchClassByEveryEnharmonicName) {
    // clang-format off
    struct Case { std::vector<std::string> names; std::string major, minor; } cases[] = {
        {{"C", "B#", "Dbb"}, "8B", "5A"},
        {{"C#", "Db"}, "3B", "12A"},
        {{"D", "C##", "Ebb"}, "10B", "7A"},
        {{"D#", "Eb"}, "5B", "2A"},
        {{"E", "Fb"}, "12B", "9A"},
        {{"F", "E#"}, "7B", "4A"},
        {{"F#", "Gb"}, "2B", "11A"},
        {{"G"}, "9B", "6A"},
        {{"G#", "Ab"}, "4B", "1A"},
        {{"A"}, "11B", "8A"},
        {{"A#", "Bb"}, "6B", "3A"},
        {{"B", "Cb"}, "1B", "10A"},
        // clang-format on
    };
    for (const Case& c : cases) {
        for (const std::string& name : c.names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name)), c.major);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name + "m")), c.minor);
        }
    }
}

TEST(MusicalKeyConverter, ClassicalAndOpenKeyTextsWithSuffixesCaseAndSigns) {
    using Reader = std::optional<CamelotKey> (*)(std::string_view);
    const Reader classical = camelotKeyFromClassicalNotation, open = camelotKeyFromOpenKeyNotation;
    // clang-format off
    struct Case { Reader read; std::string text, expected; } cases[] = {
        {classical, "F\u266Fm", "11A"},
        {classical, "B\u266D", "6B"},
        {classical, "Db major", "3B"},
        {classical, "Gmaj", "9B"},
        {classical, "E minor", "9A"},
        {classical, "AMIN", "8A"},
        {classical, "AM", "8A"},
        {classical, "c MAJOR", "8B"},
        {classical, "bbm", "3A"},
        {classical, "C#b", "8B"},
        {classical, "C####", "12B"},
        {classical, "  G  m ", "6A"},
        {classical, "C" + std::string(13, 'b'), "1B"},
        {open, "1m", "8A"},
        {open, "1d", "8B"},
        {open, "6d", "1B"},
        {open, "12m", "7A"},
        {open, "5M", "12A"},
        {open, "11D", "6B"},
        {open, " 01m\n", "8A"},
        {open, "010d", "5B"},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textOf(c.read(c.text)), c.expected) << c.text;
    }
    for (const std::string text : {"", "  ", "H", "Amaj7", "m", "A-", "minor", "A\u266E", "\u00C4m",
                                   "A m m", "8A", "A\u0301"}) {
        EXPECT_EQ(camelotKeyFromClassicalNotation(text), std::nullopt) << text;
    }
    for (const char* text : {"13m", "0m", "001m", "1x", "m", "1 m", "+1m", "1m1", ""}) {
        EXPECT_EQ(camelotKeyFromOpenKeyNotation(text), std::nullopt) << text;
    }
}

TEST(MusicalKeyConverter, AnyNotationTriesCamelotThenClassicalThenOpenKeyOnlyWhenAsked) {
    // clang-format off
    struct Case { std::optional<std::string> text; std::string byDefault, withOpenKey; } cases[] = {
        {" 8a ", "8A", "8A"},
        {"1B", "1B", "1B"}, // a Camelot text, not the note B after a digit
        {"Bb", "6B", "6B"},
        {"bm", "10A", "10A"},
        {"13A", "-", "-"},
        {"", "-", "-"},
        {std::nullopt, "-", "-"},
        // The fixed points: 1m = 8A = Am, 1d = 8B = C.
        {"1m", "-", "8A"},
        {"Am", "8A", "8A"},
        {"1d", "-", "8B"},
        {"C", "8B", "8B"},
        {"13d", "-", "-"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text)), c.byDefault);
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text, {.openKey = true})), c.withOpenKey);
    }
}

} // namespace
} // namespace cuevox::metadata
