#include "metadata/EnergyParser.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

TEST(EnergyParser, ReadsTheWordFormBeforeTheDelimitedShortForm) {
    // clang-format off
    struct Case { std::string text; std::optional<int> expected; } cases[] = {
        {"Energy = 7", 7},
        {"EnergyLevel: 10", 10},
        {"E5 Energy 7", 7},            // the word form wins over an earlier short form
        {"Energy 11 / E5", 5},         // a rejected word form falls through to the short form
        {"Energy 0 Energy 5", std::nullopt}, // only the first match of a form counts
        {"Energy 123", std::nullopt},
        {"HighEnergy 7", std::nullopt},
        {"[E8]", 8},
        {"(e 5)", 5},
        {"x,E-4", 4},
        {"E1\n", 1},
        {"HE7", std::nullopt},
        {"E7x", std::nullopt},
        {"E11", std::nullopt},
        {"E0", std::nullopt},
        {"E 75 E 5", std::nullopt},
        {"", std::nullopt},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EnergyParser::parse(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(EnergyParser::parse(std::nullopt), std::nullopt);
}

} // namespace
} // namespace cuevox::metadata
