#include "metadata/CommentTagParser.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

struct Expected {
    std::optional<std::string> key;
    std::optional<int> energy;
};

void expectResult(const CommentTagParser::Result& result, const Expected& expected) {
    EXPECT_EQ(result.key ? std::optional<std::string>(result.key->toString()) : std::nullopt,
              expected.key);
    EXPECT_EQ(result.energy, expected.energy);
}

TEST(CommentTagParser, ReadsTheFirstCompactTag) {
    struct Case {
        std::string comment;
        Expected expected;
    } cases[] = {
        {"8A - 7 Energy", {"8A", 7}},
        {"Deep 8A - 7 Energy tune", {"8A", 7}},
        {"12B - 10 Energy", {"12B", 10}},
        {"1A - 0 Energy", {"1A", std::nullopt}},
        {"1A - 00 Energy", {"1A", std::nullopt}},
        {"1A - 11 Energy", {"1A", std::nullopt}},
        {"1A - 99 Energy", {"1A", std::nullopt}},
        {"8a - 7 energy", {"8A", 7}},
        {"8A - 7 ENERGY", {"8A", 7}},
        {"8A-7Energy", {"8A", 7}},
        {"8A\t-\n7 Energy", {"8A", 7}},
        {"8A - 07 Energy", {"8A", 7}},
        {"2A - 3 Energy, 9B - 8 Energy", {"2A", 3}},
        {"(10b - 6 Energy)", {"10B", 6}},
        {"Caf\u00E9 5B - 4 Energy", {"5B", 4}},
        {"Energy: 4A - 5 Energy.", {"4A", 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comment);
        expectResult(CommentTagParser::parse(c.comment), c.expected);
    }
}

TEST(CommentTagParser, IgnoresTextsWithoutACompleteTag) {
    const std::optional<std::string> cases[] = {
        std::nullopt,
        "",
        "   ",
        "18A - 5 Energy", // 8A is not read out of 18A
        "13A - 5 Energy",
        "0A - 5 Energy",
        "8A 7 Energy",
        "8A - 7 Energy6",
        "8A - 7 Energetic",
        "8A - 123 Energy",
        "8C - 7 Energy",
        "8A \u2013 7 Energy", // an en dash is not the hyphen-minus
        "x8A - 7 Energy",
        "Energy 7",
        "8A",
    };
    for (const auto& comment : cases) {
        SCOPED_TRACE(comment.value_or("<none>"));
        expectResult(CommentTagParser::parse(comment), {});
    }
}

} // namespace
} // namespace cuevox::metadata
