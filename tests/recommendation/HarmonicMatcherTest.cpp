#include "recommendation/HarmonicMatcher.hpp"

#include "recommendation/HarmonicCompatibilityService.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace cuevox::recommendation {
namespace {

using metadata::CamelotKey;

CamelotKey key(const std::string& text) {
    return *CamelotKey::fromString(text);
}

// The wheel rules, stated through the key's own steps rather than the service's arithmetic.
HarmonicRelation expectedRelation(CamelotKey from, CamelotKey to) {
    if (to == from) {
        return HarmonicRelation::same;
    }
    if (to == from.relative()) {
        return HarmonicRelation::relative;
    }
    if (to == from.neighbor(1) || to == from.neighbor(-1)) {
        return HarmonicRelation::adjacent;
    }
    if (to == from.neighbor(2)) {
        return HarmonicRelation::energyBoost;
    }
    if (to == from.neighbor(1).relative() || to == from.neighbor(-1).relative()) {
        return HarmonicRelation::relativeAdjacent;
    }
    return HarmonicRelation::incompatible;
}

const std::map<HarmonicRelation, double> kScores = {
    {HarmonicRelation::same, 100},       {HarmonicRelation::relative, 90},
    {HarmonicRelation::adjacent, 80},    {HarmonicRelation::relativeAdjacent, 70},
    {HarmonicRelation::energyBoost, 65}, {HarmonicRelation::incompatible, 0},
};

TEST(HarmonicCompatibilityService, ClassifiesAllPairsOfTheWheel) {
    for (const CamelotKey from : CamelotKey::allPositions()) {
        std::map<HarmonicRelation, int> counts;
        for (const CamelotKey to : CamelotKey::allPositions()) {
            SCOPED_TRACE(from.toString() + " -> " + to.toString());
            const HarmonicRelation relation = expectedRelation(from, to);
            EXPECT_EQ(HarmonicCompatibilityService::evaluate(from, to),
                      (HarmonicCompatibilityService::Result{relation, kScores.at(relation)}));
            ++counts[relation];
        }
        // Every key has the same neighbourhood: a wrong wrap-around at 1 or 12 shows here.
        SCOPED_TRACE(from.toString());
        EXPECT_EQ(counts[HarmonicRelation::same], 1);
        EXPECT_EQ(counts[HarmonicRelation::relative], 1);
        EXPECT_EQ(counts[HarmonicRelation::adjacent], 2);
        EXPECT_EQ(counts[HarmonicRelation::energyBoost], 1);
        EXPECT_EQ(counts[HarmonicRelation::relativeAdjacent], 2);
        EXPECT_EQ(counts[HarmonicRelation::incompatible], 17);
    }
}

TEST(HarmonicCompatibilityService, NamedStepsAroundTheWheel) {
    struct Case {
        const char* from;
        const char* to;
        HarmonicRelation relation;
        double score;
    } cases[] = {
        {"8A", "8A", HarmonicRelation::same, 100},
        {"8A", "8B", HarmonicRelation::relative, 90},
        {"8B", "8A", HarmonicRelation::relative, 90},
        {"8A", "9A", HarmonicRelation::adjacent, 80},
        {"8A", "7A", HarmonicRelation::adjacent, 80},
        {"12A", "1A", HarmonicRelation::adjacent, 80},
        {"1A", "12A", HarmonicRelation::adjacent, 80},
        {"8A", "10A", HarmonicRelation::energyBoost, 65},
        {"10A", "8A", HarmonicRelation::incompatible, 0},
        {"11B", "1B", HarmonicRelation::energyBoost, 65},
        {"12B", "2B", HarmonicRelation::energyBoost, 65},
        {"1B", "11B", HarmonicRelation::incompatible, 0},
        {"8A", "3A", HarmonicRelation::incompatible, 0}, // +7 is no energy boost here
        {"8A", "9B", HarmonicRelation::relativeAdjacent, 70},
        {"8A", "7B", HarmonicRelation::relativeAdjacent, 70},
        {"12A", "1B", HarmonicRelation::relativeAdjacent, 70},
        {"1B", "12A", HarmonicRelation::relativeAdjacent, 70},
        {"8A", "10B", HarmonicRelation::incompatible, 0},
        {"8A", "2B", HarmonicRelation::incompatible, 0},
        {"6B", "6A", HarmonicRelation::relative, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        EXPECT_EQ(HarmonicCompatibilityService::evaluate(key(c.from), key(c.to)),
                  (HarmonicCompatibilityService::Result{c.relation, c.score}));
    }
}

TEST(HarmonicMatcher, EachModeAcceptsItsRelationsWithTheirReasons) {
    const std::map<HarmonicRelation, RecommendationReason> reasons = {
        {HarmonicRelation::same, RecommendationReason::harmonicSame()},
        {HarmonicRelation::adjacent, RecommendationReason::harmonicAdjacent()},
        {HarmonicRelation::relative, RecommendationReason::harmonicRelative()},
        {HarmonicRelation::relativeAdjacent, RecommendationReason::harmonicRelativeAdjacent()},
        {HarmonicRelation::energyBoost, RecommendationReason::harmonicEnergyBoost()},
        {HarmonicRelation::incompatible, RecommendationReason::harmonicIncompatible()},
    };
    struct Case {
        HarmonicMode mode;
        std::map<HarmonicRelation, bool> accepted;
    } cases[] = {
        {HarmonicMode::strict,
         {{HarmonicRelation::same, true},
          {HarmonicRelation::adjacent, true},
          {HarmonicRelation::relative, true},
          {HarmonicRelation::relativeAdjacent, false},
          {HarmonicRelation::energyBoost, false},
          {HarmonicRelation::incompatible, false}}},
        {HarmonicMode::balanced,
         {{HarmonicRelation::same, true},
          {HarmonicRelation::adjacent, true},
          {HarmonicRelation::relative, true},
          {HarmonicRelation::relativeAdjacent, true},
          {HarmonicRelation::energyBoost, true},
          {HarmonicRelation::incompatible, false}}},
        {HarmonicMode::experimental,
         {{HarmonicRelation::same, true},
          {HarmonicRelation::adjacent, true},
          {HarmonicRelation::relative, true},
          {HarmonicRelation::relativeAdjacent, true},
          {HarmonicRelation::energyBoost, true},
          {HarmonicRelation::incompatible, true}}},
    };
    for (const Case& c : cases) {
        const HarmonicMatcher matcher{c.mode};
        for (const CamelotKey from : CamelotKey::allPositions()) {
            for (const CamelotKey to : CamelotKey::allPositions()) {
                SCOPED_TRACE(std::to_string(static_cast<int>(c.mode)) + ": " + from.toString() +
                             " -> " + to.toString());
                const HarmonicRelation relation = expectedRelation(from, to);
                const std::optional<MatchResult> expected =
                    c.accepted.at(relation)
                        ? std::optional(MatchResult{kScores.at(relation), reasons.at(relation)})
                        : std::nullopt;
                EXPECT_EQ(matcher.evaluate(from, to), expected);
            }
        }
    }
}

TEST(HarmonicMatcher, NamedCasesPerMode) {
    struct Case {
        HarmonicMode mode;
        const char* from;
        const char* to;
        std::optional<MatchResult> expected;
    } cases[] = {
        {HarmonicMode::strict, "8A", "9B", std::nullopt},
        {HarmonicMode::strict, "8A", "10A", std::nullopt},
        {HarmonicMode::strict, "8A", "9A",
         MatchResult{80, RecommendationReason::harmonicAdjacent()}},
        {HarmonicMode::balanced, "8A", "10A",
         MatchResult{65, RecommendationReason::harmonicEnergyBoost()}},
        {HarmonicMode::balanced, "8A", "3A", std::nullopt},
        {HarmonicMode::balanced, "10A", "8A", std::nullopt},
        {HarmonicMode::experimental, "8A", "3A",
         MatchResult{0, RecommendationReason::harmonicIncompatible()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        EXPECT_EQ(HarmonicMatcher{c.mode}.evaluate(key(c.from), key(c.to)), c.expected);
    }
}

} // namespace
} // namespace cuevox::recommendation
