#include "style/Habits.hpp"

#include <gtest/gtest.h>

namespace cuevox::style {
namespace {

TEST(Habits, ATempoStepIsThePercentToTheNearestOfTheTempoItsDoubleAndItsHalf) {
    const struct {
        double from, to;
        std::optional<double> percent;
        TempoStep step;
    } cases[] = {
        {125, 127, 1.6, TempoStep::within2},
        {128, 63.5, -0.78125, TempoStep::within1},
        {87, 174, 0, TempoStep::within1},
        {174, 90, 3.448275862068968, TempoStep::within4},
        {100, 91, -9, TempoStep::within16},
        {100, 140, -30, TempoStep::beyond},
        {100, 0, std::nullopt, TempoStep::within1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        const std::optional<double> percent = tempoStepPercent(c.from, c.to);
        ASSERT_EQ(percent.has_value(), c.percent.has_value());
        if (percent) {
            EXPECT_NEAR(*percent, *c.percent, 1e-9);
            EXPECT_EQ(tempoStepOf(*percent), c.step);
        }
    }
}

TEST(Habits, MeasuredMovesJoinThePriorWorthTwentyTransitions) {
    Habits habits;
    EXPECT_NEAR(habits.keyShare(recommendation::KeyMove::same), 13.0 / 93, 1e-12);
    for (int i = 0; i < 20; ++i) {
        habits.addTransition(recommendation::KeyMove::minusTwo, std::nullopt);
    }
    EXPECT_NEAR(habits.keyShare(recommendation::KeyMove::minusTwo), (20 * 6.0 / 93 + 20) / 40,
                1e-12);
    EXPECT_NEAR(habits.tempoShare(TempoStep::within1), 0.52, 1e-12);
    EXPECT_EQ(habits.keyTransitions(), 20u);
    EXPECT_EQ(habits.tempoTransitions(), 0u);
}

} // namespace
} // namespace cuevox::style
