#include "metadata/CommentTagParser.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

TEST(CommentTagParser, ReadsTheFirstCompactTagAndIgnoresTextsWithoutOne) {
    struct Case {
        std::string comment;
        std::optional<std::string> key;
        std::optional<int> energy;
    } cases[] = {
        {"Deep 8A - 7 Energy tune", "8A", 7},
        {"12B - 10 Energy", "12B", 10},
        {"1A - 0 Energy", "1A", std::nullopt},
        {"1A - 11 Energy", "1A", std::nullopt},
        {"8a-7energy", "8A", 7},
        {"2A - 3 Energy, 9B - 8 Energy", "2A", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comment);
        const CommentTagParser::Result result = CommentTagParser::parse(c.comment);
        EXPECT_EQ(result.key ? std::optional(result.key->toString()) : std::nullopt, c.key);
        EXPECT_EQ(result.energy, c.energy);
    }
    for (const char* comment : {"", "18A - 5 Energy", "13A - 5 Energy", "8A 7 Energy",
                                "8A - 7 Energy6", "8A - 123 Energy", "8C - 7 Energy", "Energy 7"}) {
        SCOPED_TRACE(comment);
        const CommentTagParser::Result result = CommentTagParser::parse(comment);
        EXPECT_EQ(result.key, std::nullopt);
        EXPECT_EQ(result.energy, std::nullopt);
    }
    EXPECT_EQ(CommentTagParser::parse(std::nullopt).key, std::nullopt);
}

} // namespace
} // namespace cuevox::metadata
