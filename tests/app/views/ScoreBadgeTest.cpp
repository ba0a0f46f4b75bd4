#include "views/ScoreBadge.hpp"

#include "views/Theme.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cuevox::views {
namespace {

TEST(ScoreBadgeTest, RoundsHalvesAwayFromZeroAndColoursByTheUnroundedScore) {
    const QColor green = theme::kGreen;
    const QColor yellow = theme::kYellow;
    const QColor dimmed = theme::kSecondaryText;
    struct Case {
        double score;
        const char* text;
        QColor color;
    };
    const Case cases[] = {
        {100, "100%", green},  {85, "85%", green},     {84.99, "85%", yellow},
        {84.6, "85%", yellow}, {84.5, "85%", yellow},  {84.49, "84%", yellow},
        {60, "60%", yellow},   {59.99, "60%", dimmed}, {59.5, "60%", dimmed},
        {0.5, "1%", dimmed},   {0.49, "0%", dimmed},   {0, "0%", dimmed},
        {-0.4, "0%", dimmed},  {-0.5, "-1%", dimmed},  {99.5, "100%", green},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        const auto badge = ScoreBadge::forScore(c.score);
        ASSERT_TRUE(badge);
        EXPECT_EQ(badge->text, QString::fromLatin1(c.text));
        EXPECT_EQ(badge->color, c.color);
    }
}

TEST(ScoreBadgeTest, NoBadgeWithoutAFiniteScore) {
    for (const std::optional<double> score :
         {std::optional<double>(), std::optional(std::numeric_limits<double>::quiet_NaN()),
          std::optional(std::numeric_limits<double>::infinity()),
          std::optional(-std::numeric_limits<double>::infinity())}) {
        EXPECT_FALSE(ScoreBadge::forScore(score)) << (score ? *score : -1);
    }
}

} // namespace
} // namespace cuevox::views
