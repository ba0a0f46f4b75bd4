#include "metadata/MusicalKeyConverter.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cuevox::metadata {
namespace {

using MusicalKeyConverter::camelotKeyFromClassicalNotation;
using MusicalKeyConverter::parseAnyKeyNotation;

std::string textOf(const std::optional<CamelotKey>& key) {
    return key ? key->toString() : "-";
}

TEST(MusicalKeyConverter, EveryPitchClassByEveryEnharmonicName) {
    struct Case {
        std::vector<std::string> names;
        std::string major;
        std::string minor;
    } cases[] = {
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
    };
    for (const Case& c : cases) {
        for (const std::string& name : c.names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name)), c.major);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name + "m")), c.minor);
        }
    }
}

TEST(MusicalKeyConverter, ClassicalNamesWithSuffixesCaseAndSigns) {
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"F\u266Fm", "11A"},
        {"B\u266D", "6B"},
        {"Db major", "3B"},
        {"Gmaj", "9B"},
        {"E minor", "9A"},
        {"AMIN", "8A"},
        {"AM", "8A"},
        {"c MAJOR", "8B"},
        {"bbm", "3A"},
        {"C#b", "8B"},
        {"C####", "12B"},
        {"C" + std::string(13, 'b'), "1B"},
        {"  G  m ", "6A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(c.text)), c.expected);
    }
    for (const std::string text : {"", "  ", "H", "Amaj7", "m", "A-", "minor", "A\u266E",
                                   "\u00C4m", "A m m", "8A", "A\u0301"}) {
        EXPECT_EQ(camelotKeyFromClassicalNotation(text), std::nullopt) << text;
    }
}

TEST(MusicalKeyConverter, AnyNotationTriesCamelotFirstThenClassical) {
    struct Case {
        std::optional<std::string> text;
        std::string expected;
    } cases[] = {
        {" 8a ", "8A"},
        {"1B", "1B"}, // a Camelot text, not the note B with a digit in front
        {"Bb", "6B"},
        {"bm", "10A"},
        {"13A", "-"},
        {"", "-"},
        {std::nullopt, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text)), c.expected);
    }
}

} // namespace
} // namespace cuevox::metadata
