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
        std::vector<std::string> majorNames;
        std::string major;
        std::vector<std::string> minorNames;
        std::string minor;
    } cases[] = {
        {{"C", "B#", "Dbb"}, "8B", {"Cm", "B#m"}, "5A"},
        {{"C#", "Db"}, "3B", {"C#m", "Dbm"}, "12A"},
        {{"D", "C##", "Ebb"}, "10B", {"Dm"}, "7A"},
        {{"D#", "Eb"}, "5B", {"D#m", "Ebm"}, "2A"},
        {{"E", "Fb"}, "12B", {"Em", "Fbm"}, "9A"},
        {{"F", "E#"}, "7B", {"Fm", "E#m"}, "4A"},
        {{"F#", "Gb"}, "2B", {"F#m", "Gbm"}, "11A"},
        {{"G"}, "9B", {"Gm"}, "6A"},
        {{"G#", "Ab"}, "4B", {"G#m", "Abm"}, "1A"},
        {{"A"}, "11B", {"Am"}, "8A"},
        {{"A#", "Bb"}, "6B", {"A#m", "Bbm"}, "3A"},
        {{"B", "Cb"}, "1B", {"Bm", "Cbm"}, "10A"},
    };
    for (const Case& c : cases) {
        for (const std::string& name : c.majorNames) {
            SCOPED_TRACE(name);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name)), c.major);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name + "maj")), c.major);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name + " Major")), c.major);
        }
        for (const std::string& name : c.minorNames) {
            SCOPED_TRACE(name);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(name)), c.minor);
            const std::string note = name.substr(0, name.size() - 1);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(note + "min")), c.minor);
            EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(note + " MINOR")), c.minor);
        }
    }
}

TEST(MusicalKeyConverter, ClassicalNamesWithSuffixesCaseAndSigns) {
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"Am", "8A"},      {"A", "11B"},       {"F#m", "11A"},   {"F\u266Fm", "11A"},
        {"Dbmaj", "3B"},   {"Db major", "3B"}, {"Db", "3B"},     {"Ebm", "2A"},
        {"E minor", "9A"}, {"c MAJOR", "8B"},  {"Cb", "1B"},     {"B#", "8B"},
        {"A minor", "8A"}, {"Amin", "8A"},     {"AMIN", "8A"},   {"am", "8A"},
        {"B\u266D", "6B"}, {"C#b", "8B"},      {"C####", "12B"}, {"C" + std::string(13, 'b'), "1B"},
        {"  G  m ", "6A"}, {"F # m", "11A"},   {"\tA\n", "11B"}, {"AM", "8A"},
        {"Gmajor", "9B"},  {"G MAJ", "9B"},    {"Dminor", "7A"}, {"D mInOr", "7A"},
        {"bbm", "3A"},     {"e", "12B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textOf(camelotKeyFromClassicalNotation(c.text)), c.expected);
    }
}

TEST(MusicalKeyConverter, ClassicalNamesRefused) {
    const std::string cases[] = {
        "",
        "  ",
        "H",
        "Amaj7",
        "m",
        "M",
        "AB",
        "A7",
        "Ax",
        "A-",
        "minor",
        "maj",
        "A\u266E" /* natural sign */,
        "\u00C4m",
        "A m m",
        "8A",
        "1m",
        "6d",
        "A\u0301",
        "A#\u00DF",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(camelotKeyFromClassicalNotation(text), std::nullopt);
    }
}

TEST(MusicalKeyConverter, AnyNotationTriesCamelotFirstThenClassical) {
    struct Case {
        std::optional<std::string> text;
        std::string expected;
    } cases[] = {
        {"11B", "11B"},
        {"A", "11B"},
        {"Bb", "6B"},
        {"bbm", "3A"},
        {"1m", "-"},
        {std::nullopt, "-"},
        {"", "-"},
        {" \n", "-"},
        {" 8a ", "8A"},
        {"12B\n", "12B"},
        {"08A", "8A"},
        {"F#m", "11A"},
        {"Ebm", "2A"},
        {"13A", "-"},
        {"0B", "-"},
        // "1B" is a Camelot text, not the note B with a digit in front.
        {"1B", "1B"},
        {"bm", "10A"},
        {"B", "1B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text)), c.expected);
    }
}

} // namespace
} // namespace cuevox::metadata
