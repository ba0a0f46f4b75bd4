#include "recommendation/KeyMove.hpp"

#include <gtest/gtest.h>

#include <map>

namespace cuevox::recommendation {
namespace {

using metadata::CamelotKey;
using metadata::CamelotLetter;

// A key as music theory has it: its tonic's pitch class (C = 0) and whether it is minor.
struct Tonality {
    int tonic;
    bool minor;
};

Tonality tonalityOf(CamelotKey key) {
    // 8B is C major and each step clockwise a fifth up; a minor key shares its relative
    // major's position and sits a minor third below it.
    const int major = (7 * (key.number() - 8) % 12 + 12) % 12;
    const bool minor = key.letter() == CamelotLetter::a;
    return {minor ? (major + 9) % 12 : major, minor};
}

// The move by intervals between tonics, independent of wheel arithmetic.
KeyMove expectedMove(CamelotKey from, CamelotKey to) {
    const Tonality a = tonalityOf(from);
    const Tonality b = tonalityOf(to);
    const int up = (b.tonic - a.tonic + 12) % 12;
    if (a.minor == b.minor) {
        const std::map<int, KeyMove> byInterval = {// clang-format off
            {0, KeyMove::same},     {7, KeyMove::plusOne},    {5, KeyMove::minusOne},
            {2, KeyMove::boost},    {10, KeyMove::minusTwo},  {1, KeyMove::semitoneUp},
                                                   // clang-format on
                                                   {11, KeyMove::semitoneDown}};
        const auto found = byInterval.find(up);
        return found == byInterval.end() ? KeyMove::clash : found->second;
    }
    if (up == 0) {
        return KeyMove::parallel;
    }
    // The relative shares the key signature; a diagonal is the relative of a fifth away.
    const Tonality relativeOfTo = {(b.tonic + (b.minor ? 3 : 9)) % 12, a.minor};
    const int fromRelative = (relativeOfTo.tonic - a.tonic + 12) % 12;
    if (fromRelative == 0) {
        return KeyMove::relative;
    }
    return fromRelative == 7 || fromRelative == 5 ? KeyMove::diagonal : KeyMove::clash;
}

TEST(KeyMove, EveryPairOfTheWheelIsTheMoveItsTonicsMake) {
    for (const CamelotKey from : CamelotKey::allPositions()) {
        for (const CamelotKey to : CamelotKey::allPositions()) {
            SCOPED_TRACE(from.toString() + " -> " + to.toString());
            EXPECT_EQ(keyMove(from, to), expectedMove(from, to));
        }
    }
}

TEST(KeyMove, NamedCasesAndMissingKeys) {
    const auto key = [](const char* text) { return *CamelotKey::fromString(text); };
    // clang-format off
    const struct { const char* from; const char* to; KeyMove move; const char* name; } rows[] = {
        {"8A", "11B", KeyMove::parallel, "parallel"},
        {"11B", "8A", KeyMove::parallel, "parallel"},
        {"8A", "3A", KeyMove::semitoneUp, "semitoneUp"},
        {"8A", "1A", KeyMove::semitoneDown, "semitoneDown"},
        {"12B", "2B", KeyMove::boost, "boost"},
        {"1A", "11A", KeyMove::minusTwo, "minusTwo"},
        {"12A", "1B", KeyMove::diagonal, "diagonal"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to);
        EXPECT_EQ(keyMove(key(row.from), key(row.to)), row.move);
        EXPECT_EQ(nameOf(row.move), row.name);
    }
    EXPECT_EQ(keyMove(std::nullopt, key("8A")), std::nullopt);
    EXPECT_EQ(keyMove(key("8A"), std::nullopt), std::nullopt);
}

} // namespace
} // namespace cuevox::recommendation
