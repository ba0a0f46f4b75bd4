#include "style/SetPattern.hpp"

#include <gtest/gtest.h>

#include <string>

namespace cuevox::style {
namespace {

TEST(SetPattern, TheStandardPatternFindsHistoriesAndSetsByName) {
    const struct {
        const char* name;
        bool set;
    } cases[] = {
        {"HISTORY 2024-05-17", true},
        {"Archive/history 2024-05-17", true},
        {"HISTORY 2024-05-17 copy", false},
        {"Friday Set", true},
        {"Mixes/Closing", true},
        {"GIG 2023", true},
        {"DJ-Set", true},
        {"Sunset", false},
        {"Remix Pack", false},
        {"HISTORY", false},
        {"Crate 1", false},
    };
    const SetPattern standard;
    for (const auto& c : cases) {
        EXPECT_EQ(standard.matches(c.name), c.set) << c.name;
    }
}

TEST(SetPattern, ADJsPatternIgnoresCaseOrSaysWhyItIsNone) {
    EXPECT_TRUE(SetPattern::fromString("warm ?up")->matches("Sunday WarmUp"));
    EXPECT_FALSE(SetPattern::fromString("^warm")->matches("Sunday warm up"));
    const struct {
        const char* pattern;
        const char* error;
    } refused[] = {
        {"(set", "not a regular expression: mismatched paren"},
        {"*", "not a regular expression: rule syntax"},
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)", "more than 8 groups"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(SetPattern::fromString(r.pattern).error(), r.error) << r.pattern;
    }
}

} // namespace
} // namespace cuevox::style
