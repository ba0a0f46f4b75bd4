#include "metadata/EnergyParser.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

TEST(EnergyParser, ReadsTheWordFormBeforeTheShortForm) {
    struct Case {
        std::optional<std::string> text;
        std::optional<int> expected;
    } cases[] = {
        {"Energy 7", 7},
        {"energy:7", 7},
        {"Energy = 7", 7},
        {"Energy Level 8", 8},
        {"EnergyLevel: 10", 10},
        {"energy level: 10", 10},
        {"ENERGY\t5", 5},
        {"Energy 07", 7},
        // The word form wins over an earlier short form.
        {"E5 Energy 7", 7},
        // A rejected word form falls through to the short form.
        {"Energy 11 / E5", 5},
        {"Energy 0", std::nullopt},
        // Only the first word-form match counts, even when a later one would be valid.
        {"Energy 0 Energy 5", std::nullopt},
        {"Energy 12 E:3", 3},
        {"Energy 123", std::nullopt},
        {"HighEnergy 7", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(EnergyParser::parse(c.text), c.expected);
    }
}

TEST(EnergyParser, ShortFormNeedsDelimitersOnBothSides) {
    struct Case {
        std::string text;
        std::optional<int> expected;
    } cases[] = {
        {"E7", 7},
        {"[E8]", 8},
        {"(e 5)", 5},
        {"Key 8A / E6", 6},
        {"E:7", 7},
        {"E-7", 7},
        {"E = 7", 7},
        {"Bonus E 3,", 3},
        {"x,E4", 4},
        {"E10", 10},
        {"-E2-", 2},
        {"E1\n", 1},
        {"HE7", std::nullopt},
        {"E7x", std::nullopt},
        {"E 75", std::nullopt},
        {"E11", std::nullopt},
        {"E0", std::nullopt},
        {"E", std::nullopt},
        {"E7.", std::nullopt},
        {"8A - 6 Energy", std::nullopt}, // the compact tag is not an energy here
        {"", std::nullopt},
        // The first short-form match is out of range, and no later one is consulted.
        {"E 75 E 5", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EnergyParser::parse(c.text), c.expected);
    }
}

} // namespace
} // namespace cuevox::metadata
