#include "recommendation/HarmonicMatcher.hpp"

#include "recommendation/HarmonicCompatibilityService.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

namespace cuevox::recommendation {
namespace {

using metadata::CamelotKey;
using R = HarmonicRelation;

// The wheel rules, stated through the key's own steps rather than the service's arithmetic.
HarmonicRelation expectedRelation(CamelotKey from, CamelotKey to) {
    if (to == from) {
        return R::same;
    }
    if (to == from.relative()) {
        return R::relative;
    }
    if (to == from.neighbor(1) || to == from.neighbor(-1)) {
        return R::adjacent;
    }
    if (to == from.neighbor(2)) {
        return R::energyBoost;
    }
    if (to == from.neighbor(1).relative() || to == from.neighbor(-1).relative()) {
        return R::relativeAdjacent;
    }
    return R::incompatible;
}

struct Expected {
    double score;
    RecommendationReason reason;
};
const std::map<HarmonicRelation, Expected> kExpected = {
    {R::same, {100, RecommendationReason::harmonicSame()}},
    {R::relative, {90, RecommendationReason::harmonicRelative()}},
    {R::adjacent, {80, RecommendationReason::harmonicAdjacent()}},
    {R::relativeAdjacent, {70, RecommendationReason::harmonicRelativeAdjacent()}},
    {R::energyBoost, {65, RecommendationReason::harmonicEnergyBoost()}},
    {R::incompatible, {0, RecommendationReason::harmonicIncompatible()}},
};

const std::map<HarmonicMode, std::set<HarmonicRelation>> kAccepted = {
    {HarmonicMode::strict, {R::same, R::relative, R::adjacent}},
    {HarmonicMode::balanced,
     {R::same, R::relative, R::adjacent, R::relativeAdjacent, R::energyBoost}},
    {HarmonicMode::experimental,
     {R::same, R::relative, R::adjacent, R::relativeAdjacent, R::energyBoost, R::incompatible}},
};

TEST(HarmonicMatcher, ClassifiesEveryPairOfTheWheelAndEachModeAcceptsItsRelations) {
    for (const CamelotKey from : CamelotKey::allPositions()) {
        std::map<HarmonicRelation, int> counts;
        for (const CamelotKey to : CamelotKey::allPositions()) {
            SCOPED_TRACE(from.toString() + " -> " + to.toString());
            const HarmonicRelation relation = expectedRelation(from, to);
            const Expected& expected = kExpected.at(relation);
            EXPECT_EQ(HarmonicCompatibilityService::evaluate(from, to),
                      (HarmonicCompatibilityService::Result{relation, expected.score}));
            ++counts[relation];
            for (const auto& [mode, accepted] : kAccepted) {
                SCOPED_TRACE(static_cast<int>(mode));
                EXPECT_EQ(HarmonicMatcher{mode}.evaluate(from, to),
                          accepted.contains(relation)
                              ? std::optional(MatchResult{expected.score, expected.reason})
                              : std::nullopt);
            }
        }
        // Every key has the same neighbourhood: a wrong wrap-around at 1 or 12 shows here.
        EXPECT_EQ(counts, (std::map<HarmonicRelation, int>{{R::same, 1},
                                                           {R::relative, 1},
                                                           // clang-format off
                                                           {R::adjacent, 2}, {R::energyBoost, 1},
                                                           {R::relativeAdjacent, 2},
                                                           // clang-format on
                                                           {R::incompatible, 17}}));
    }
}

} // namespace
} // namespace cuevox::recommendation
