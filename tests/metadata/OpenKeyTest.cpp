#include "metadata/MusicalKeyConverter.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuevox::metadata {
namespace {

using MusicalKeyConverter::camelotKeyFromOpenKeyNotation;
using MusicalKeyConverter::parseAnyKeyNotation;

std::string textOf(const std::optional<CamelotKey>& key) {
    return key ? key->toString() : "-";
}

TEST(OpenKey, ReadsEveryFormOfTheWheelAndNothingElse) {
    struct Case {
        const char* text;
        const char* camelot;
    } cases[] = {
        {"1m", "8A"},     {"1d", "8B"},   {"6d", "1B"}, {"12m", "7A"}, {"5M", "12A"}, {"11D", "6B"},
        {" 01m\n", "8A"}, {"010d", "5B"}, {"13m", "-"}, {"0m", "-"},   {"001m", "-"}, {"1x", "-"},
        {"m", "-"},       {"1 m", "-"},   {"+1m", "-"}, {"1m1", "-"},  {"", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textOf(camelotKeyFromOpenKeyNotation(c.text)), c.camelot);
    }
}

TEST(OpenKey, AnyNotationReadsItOnlyWhenAsked) {
    struct Case {
        const char* text;
        const char* byDefault;
        const char* withOpenKey;
    } cases[] = {
        // The fixed points: 1m = 8A = Am, 1d = 8B = C.
        {"1m", "-", "8A"}, {"Am", "8A", "8A"}, {"1d", "-", "8B"},
        {"C", "8B", "8B"}, {"8A", "8A", "8A"}, {"13d", "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text)), c.byDefault);
        EXPECT_EQ(textOf(parseAnyKeyNotation(c.text, {.openKey = true})), c.withOpenKey);
    }
}

} // namespace
} // namespace cuevox::metadata
