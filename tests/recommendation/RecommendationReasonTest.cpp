#include "recommendation/RecommendationReason.hpp"

#include <gtest/gtest.h>

#include <locale>

namespace cuevox::recommendation {
namespace {

using Reason = RecommendationReason;

// A locale whose decimal separator is a comma, as in most of Europe.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// The labels the service tests show in full are not repeated here.
TEST(RecommendationReason, LabelsAreExactBytes) {
    // clang-format off
    struct Case { Reason reason; const char* label; } cases[] = {
        {Reason::bpmOffset(-0.6), "-0.6 BPM"},
        {Reason::bpmOffset(0.04), "+0.0 BPM"}, // sign from the value, digits from "%.1f"
        {Reason::bpmOffset(0.0), "0.0 BPM"},
        {Reason::bpmOffset(0.25), "+0.2 BPM"}, // "%.1f" rounds the exact binary tie to even
        {Reason::energyOffset(0), "Energy 0"},
        {Reason::energyOffset(-10), "Energy -10"},
        {Reason::genreMismatch(), "\xE2\x9C\x97 Genre Mismatch"},
        {Reason::harmonicRelative(), "Relative Key"},
        {Reason::harmonicRelativeAdjacent(), "Diagonal Mix"},
        {Reason::harmonicIncompatible(), "\xE2\x9C\x97 Key Clash"},
        {Reason::energyUnknown(), "Energy Unknown"},
        // clang-format on
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    for (const Case& c : cases) {
        EXPECT_EQ(c.reason.label(), c.label) << c.label;
    }
    std::locale::global(previous);
}

} // namespace
} // namespace cuevox::recommendation
