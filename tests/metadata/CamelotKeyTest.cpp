#include "metadata/CamelotKey.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

CamelotKey key(int number, CamelotLetter letter) {
    return *CamelotKey::make(number, letter);
}

constexpr auto A = CamelotLetter::a;
constexpr auto B = CamelotLetter::b;

TEST(CamelotKey, MakeHoldsOnlyNumbersOneToTwelve) {
    for (const int number : {0, 13, INT_MIN}) {
        EXPECT_FALSE(CamelotKey::make(number, A)) << number;
    }
    for (const int number : {1, 12}) {
        EXPECT_EQ(CamelotKey::make(number, B)->number(), number);
        EXPECT_EQ(CamelotKey::make(number, B)->letter(), B);
    }
}

TEST(CamelotKey, FromStringAcceptsCamelotTextsAndRefusesEverythingElse) {
    // clang-format off
    struct Case { std::string text; int number; CamelotLetter letter; } cases[] = {
        {"8a", 8, A},
        {" 12B\n", 12, B},
        {"+08A", 8, A},
        {"\u00A03A", 3, A},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CamelotKey::fromString(c.text), key(c.number, c.letter)) << c.text;
    }
    for (const std::string text : {"", "A", "8", "0A", "13B", "-1A", "8 A", "8C", "+-8A", "A8",
                                   "\uFF18A" /* full-width digit */, "99999999999999999999A"}) {
        EXPECT_EQ(CamelotKey::fromString(text), std::nullopt) << text;
    }
    EXPECT_EQ(CamelotKey::fromString("01a")->toString(), "1A") << "no leading zero";
    EXPECT_EQ(camelotLetterFromRawText("a"), std::nullopt) << "a raw letter is upper case";
}

TEST(CamelotKey, NeighborWalksTheWheelKeepingTheLetterAndRelativeSwapsIt) {
    // clang-format off
    struct Case { CamelotKey from; int offset; CamelotKey expected; } cases[] = {
        {key(12, A), 1, key(1, A)},
        {key(1, B), -1, key(12, B)},
        {key(5, A), 14, key(7, A)},
        {key(5, A), -13, key(4, A)},
        {key(7, B), 12, key(7, B)},
        {key(3, A), INT_MAX, key(10, A)}, // INT_MAX is 7 mod 12
        {key(3, A), INT_MIN, key(7, A)},  // INT_MIN is 4 mod 12
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.from.neighbor(c.offset), c.expected) << c.from.toString() << " " << c.offset;
    }
    EXPECT_EQ(key(8, A).relative(), key(8, B));
    EXPECT_EQ(key(8, B).relative(), key(8, A));
}

TEST(CamelotKey, AllPositionsListsTheWheelInFilterOrder) {
    const auto& positions = CamelotKey::allPositions();
    ASSERT_EQ(positions.size(), 24U);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_EQ(positions[i], key(static_cast<int>(i / 2) + 1, i % 2 == 0 ? A : B)) << i;
    }
}

} // namespace
} // namespace cuevox::metadata
