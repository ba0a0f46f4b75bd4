#include "views/ScoreBadge.hpp"

#include "views/Theme.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cuevox::views {
namespace {

TEST(ScoreBadgeTest, RoundsHalvesAwayFromZeroColoursByTheUnroundedScoreAndNeedsAFiniteOne) {
    const QColor green = theme::kGreen, yellow = theme::kYellow, dimmed = theme::kSecondaryText;
    // clang-format off
    const struct { double score; const char* text; QColor color; } cases[] = {
        {100, "100%", green},   {85, "85%", green},     {84.99, "85%", yellow}, {84.5, "85%", yellow},
        {84.49, "84%", yellow}, {60, "60%", yellow},    {59.99, "60%", dimmed}, {0.49, "0%", dimmed},
        {-0.5, "-1%", dimmed},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        const auto badge = ScoreBadge::forScore(c.score);
        ASSERT_TRUE(badge);
        EXPECT_EQ(badge->text, QString::fromLatin1(c.text));
        EXPECT_EQ(badge->color, c.color);
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (const std::optional<double> score :
         {std::optional<double>(), std::optional(std::nan("")), std::optional(kInfinity),
          std::optional(-kInfinity)}) {
        EXPECT_FALSE(ScoreBadge::forScore(score)) << (score ? *score : -1);
    }
}

} // namespace
} // namespace cuevox::views
