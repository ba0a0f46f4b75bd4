#include "metadata/CamelotKey.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>

namespace cuevox::metadata {
namespace {

CamelotKey key(int number, CamelotLetter letter) {
    return *CamelotKey::make(number, letter);
}

constexpr auto A = CamelotLetter::a;
constexpr auto B = CamelotLetter::b;

TEST(CamelotKey, MakeHoldsOnlyNumbersOneToTwelve) {
    EXPECT_FALSE(CamelotKey::make(0, A));
    EXPECT_FALSE(CamelotKey::make(13, B));
    EXPECT_FALSE(CamelotKey::make(-1, A));
    EXPECT_FALSE(CamelotKey::make(INT_MIN, A));
    for (int number = 1; number <= 12; ++number) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(CamelotKey::make(number, B));
        EXPECT_EQ(CamelotKey::make(number, B)->number(), number);
        EXPECT_EQ(CamelotKey::make(number, B)->letter(), B);
    }
}

TEST(CamelotKey, FromStringAcceptsCamelotTexts) {
    struct Case {
        std::string text;
        int number;
        CamelotLetter letter;
    } cases[] = {
        {"8A", 8, A}, {"8a", 8, A},       {" 12B\n", 12, B}, {"08A", 8, A},      {"+8A", 8, A},
        {"1b", 1, B}, {"\t11B\t", 11, B}, {"0012A", 12, A},  {"\u00A03A", 3, A}, {"12b\r\n", 12, B},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CamelotKey::fromString(c.text), key(c.number, c.letter));
    }
}

TEST(CamelotKey, FromStringRefusesEverythingElse) {
    const std::string cases[] = {
        "",       "A",    "8",    "0A",
        "13B",    "-1A",  "-8A",  "8 A",
        "8C",     "+-8A", "--8A", "++8A",
        "+A",     "8AB",  "A8",   "８A" /* full-width digit */,
        "8Ä",     "1m",   "6d",   "99999999999999999999A",
        "\u00DF", "   ",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CamelotKey::fromString(text), std::nullopt);
    }
}

TEST(CamelotKey, TextFormHasNoLeadingZero) {
    EXPECT_EQ(key(8, A).toString(), "8A");
    EXPECT_EQ(key(12, B).toString(), "12B");
    EXPECT_EQ(CamelotKey::fromString("01b")->toString(), "1B");
}

TEST(CamelotKey, NeighborWalksTheWheelKeepingTheLetter) {
    struct Case {
        CamelotKey from;
        int offset;
        CamelotKey expected;
    } cases[] = {
        {key(12, A), 1, key(1, A)},       {key(1, B), -1, key(12, B)}, {key(5, A), 14, key(7, A)},
        {key(5, A), -13, key(4, A)},      {key(1, A), -1, key(12, A)}, {key(12, B), 1, key(1, B)},
        {key(7, B), 0, key(7, B)},        {key(7, B), 12, key(7, B)},  {key(7, B), -12, key(7, B)},
        {key(3, A), INT_MAX, key(10, A)}, // INT_MAX is 7 mod 12
        {key(3, A), INT_MIN, key(7, A)},  // INT_MIN is 4 mod 12
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.toString() + " " + std::to_string(c.offset));
        EXPECT_EQ(c.from.neighbor(c.offset), c.expected);
    }
}

TEST(CamelotKey, RelativeSwapsTheLetter) {
    EXPECT_EQ(key(8, A).relative(), key(8, B));
    EXPECT_EQ(key(8, B).relative(), key(8, A));
    for (const CamelotKey& position : CamelotKey::allPositions()) {
        EXPECT_EQ(position.relative().relative(), position);
    }
}

TEST(CamelotKey, AllPositionsListsTheWheelInFilterOrder) {
    const auto& positions = CamelotKey::allPositions();
    ASSERT_EQ(positions.size(), 24U);
    EXPECT_EQ(positions.front(), key(1, A));
    EXPECT_EQ(positions[1], key(1, B));
    EXPECT_EQ(positions[2], key(2, A));
    EXPECT_EQ(positions.back(), key(12, B));
    std::set<std::string> texts;
    for (const CamelotKey& position : positions) {
        texts.insert(position.toString());
    }
    EXPECT_EQ(texts.size(), 24U);
}

TEST(CamelotKey, EqualityAndHashingFollowNumberAndLetter) {
    std::unordered_set<CamelotKey> set(CamelotKey::allPositions().begin(),
                                       CamelotKey::allPositions().end());
    EXPECT_EQ(set.size(), 24U);
    EXPECT_TRUE(set.contains(*CamelotKey::fromString("08a")));
    EXPECT_NE(key(8, A), key(8, B));
    EXPECT_NE(key(8, A), key(9, A));
    EXPECT_EQ(std::hash<CamelotKey>{}(*CamelotKey::fromString(" 8A")),
              std::hash<CamelotKey>{}(key(8, A)));
}

TEST(CamelotLetter, RawTextIsUpperCaseOnly) {
    EXPECT_EQ(camelotLetterFromRawText("A"), A);
    EXPECT_EQ(camelotLetterFromRawText("B"), B);
    EXPECT_EQ(camelotLetterFromRawText("a"), std::nullopt);
    EXPECT_EQ(camelotLetterFromRawText("AB"), std::nullopt);
    EXPECT_EQ(camelotLetterFromRawText(""), std::nullopt);
    EXPECT_EQ(rawText(A), "A");
    EXPECT_EQ(rawText(B), "B");
}

} // namespace
} // namespace cuevox::metadata
