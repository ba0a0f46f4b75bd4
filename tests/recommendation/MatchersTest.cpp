#include "recommendation/BPMMatcher.hpp"
#include "recommendation/ConfigurableGenreCompatibility.hpp"
#include "recommendation/EnergyMatcher.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"
#include "recommendation/GenreMatcher.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <string>

namespace cuevox::recommendation {
namespace {

using Reason = RecommendationReason;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void expectMatch(const std::optional<MatchResult>& actual,
                 const std::optional<MatchResult>& expected) {
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(actual->score, expected->score, 1e-9);
        EXPECT_EQ(actual->reason.kind(), expected->reason.kind());
        if (expected->reason.bpmOffsetValue()) {
            EXPECT_NEAR(*actual->reason.bpmOffsetValue(), *expected->reason.bpmOffsetValue(), 1e-9);
        } else {
            EXPECT_EQ(actual->reason, expected->reason);
        }
    }
}

TEST(BPMMatcher, ScoresFallLinearlyBetweenExactAndMax) {
    struct Case {
        BPMTolerance tolerance;
        double current;
        double candidate;
        std::optional<MatchResult> expected;
    } cases[] = {
        {{0.15, 1.0}, 128.0, 128.1, MatchResult{100, Reason::sameBPM()}},
        {{0.15, 1.0}, 128.0, 127.5, MatchResult{100 * (1 - 0.35 / 0.85), Reason::bpmOffset(-0.5)}},
        {{0.15, 1.0}, 128.0, 129.0, MatchResult{0, Reason::bpmOffset(1.0)}},
        {{0.15, 1.0}, 128.0, 129.01, std::nullopt},
        // Differences that are exact in binary, on both sides of each bound.
        {{0.5, 2.0}, 128.0, 127.5, MatchResult{100, Reason::sameBPM()}},
        {{0.5, 2.0}, 128.0, 129.25, MatchResult{50, Reason::bpmOffset(1.25)}},
        {{0.5, 2.0}, 128.0, 130.000001, std::nullopt},
        // Numbers that are not numbers refuse rather than score.
        {{0.15, 1.0}, 128.0, kNaN, std::nullopt},
        {{0.15, kNaN}, 128.0, 128.0, std::nullopt},
        // An unknown exact bound still lets the max decide, with score 0.
        {{kNaN, 1.0}, 128.0, 128.5, MatchResult{0, Reason::bpmOffset(0.5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tolerance.exact) + "/" + std::to_string(c.tolerance.max) +
                     ": " + std::to_string(c.current) + " -> " + std::to_string(c.candidate));
        expectMatch(BPMMatcher{c.tolerance}.evaluate(c.current, c.candidate), c.expected);
    }
}

TEST(EnergyMatcher, ScoresByDistanceForEachModeAndNeverRefuses) {
    constexpr auto exact = EnergyToleranceMode::exact;
    constexpr auto plusMinus1 = EnergyToleranceMode::plusMinus1;
    constexpr auto plusMinus2 = EnergyToleranceMode::plusMinus2;
    struct Case {
        EnergyToleranceMode mode;
        std::optional<int> current;
        std::optional<int> candidate;
        MatchResult expected;
    } cases[] = {
        {plusMinus1, 6, std::nullopt, {50, Reason::energyUnknown()}},
        {plusMinus1, std::nullopt, 6, {50, Reason::energyUnknown()}},
        {exact, 6, 6, {100, Reason::sameEnergy()}},
        {exact, 6, 7, {0, Reason::energyOffset(1)}},
        {plusMinus1, 6, 5, {200.0 / 3, Reason::energyOffset(-1)}},
        {plusMinus1, 6, 9, {0, Reason::energyOffset(3)}},
        {plusMinus2, 6, 3, {40, Reason::energyOffset(-3)}},
        {plusMinus2, 10, 1, {0, Reason::energyOffset(-9)}},
        // Levels from a malformed file must not overflow the offset.
        {plusMinus2, INT_MIN, INT_MAX, {0, Reason::energyOffset(INT_MAX)}},
        {plusMinus2, INT_MAX, INT_MIN, {0, Reason::energyOffset(INT_MIN)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.mode)) + ": " +
                     (c.current ? std::to_string(*c.current) : "-") + " -> " +
                     (c.candidate ? std::to_string(*c.candidate) : "-"));
        expectMatch(EnergyMatcher{c.mode}.evaluate(c.current, c.candidate), c.expected);
    }
}

TEST(GenreCompatibility, ExactIgnoresCaseAndTheTableLooksUpLowerCasedNamesOneWay) {
    const AnyGenreCompatibility exact = ExactGenreCompatibility{};
    const AnyGenreCompatibility table = ConfigurableGenreCompatibility{{
        {"house", {{"tech house", 0.8}, {"garage", 1.2}, {"Acid House", 0.5}}},
        {"Techno", {{"house", 0.9}}},
        {"\u00E9lectro", {{"\u00E9lectro house", 0.7}}},
    }};
    struct Case {
        const AnyGenreCompatibility& provider;
        const char* from;
        const char* to;
        double expected;
    } cases[] = {
        // clang-format off
        {exact, "House", "house", 1},
        {exact, "House", "House ", 0},
        {exact, "Techno", "House", 0},
        {table, "HOUSE", "tech HOUSE", 0.8},
        {table, "Tech House", "House", 0}, // no reverse entry
        {table, "House", "Garage", 1.2},   // stored values are not clamped
        {table, "house", "acid house", 0}, // an inner key with capitals is never found
        {table, "Techno", "House", 0},     // nor an outer one
        {table, "TECHNO", "Techno", 1},    // the same name needs no entry
        {table, "house", "disco", 0},
        {table, "\u00C9LECTRO", "\u00C9lectro House", 0.7},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.provider.compatibility(c.from, c.to), c.expected) << c.from << " / " << c.to;
    }
}

// Any type with a compatibility operation can be a provider.
struct FixedCompatibility {
    double value;
    double compatibility(std::string_view, std::string_view) const { return value; }
};

TEST(GenreMatcher, AcceptsByModeAndRoundsPercentsHalfAwayFromZero) {
    const AnyGenreCompatibility exactProvider = ExactGenreCompatibility{};
    const AnyGenreCompatibility table =
        ConfigurableGenreCompatibility{{{"house", {{"tech house", 0.8}}}}};
    constexpr auto exactOnly = GenreMode::exactOnly;
    constexpr auto compatible = GenreMode::compatibleGenres;
    struct Case {
        AnyGenreCompatibility provider;
        GenreMode mode;
        const char* current;
        const char* candidate;
        std::optional<MatchResult> expected;
    } cases[] = {
        {exactProvider, compatible, "Techno", "techno", MatchResult{100, Reason::sameGenre()}},
        {exactProvider, compatible, "Techno", "House", std::nullopt},
        // Blanks are a genre, not an empty one.
        {exactProvider, exactOnly, " ", " ", MatchResult{100, Reason::sameGenre()}},
        {table, compatible, "House", "Tech House", MatchResult{80, Reason::compatibleGenre(80)}},
        {table, exactOnly, "House", "Tech House", std::nullopt},
        {FixedCompatibility{0.625}, compatible, "a", "b",
         MatchResult{62.5, Reason::compatibleGenre(63)}},
        {FixedCompatibility{1.0}, exactOnly, "a", "b", MatchResult{100, Reason::sameGenre()}},
        {FixedCompatibility{0.0}, compatible, "a", "b", std::nullopt},
        {FixedCompatibility{kNaN}, compatible, "a", "b", std::nullopt},
        {FixedCompatibility{0.004}, compatible, "a", "b",
         MatchResult{0.4, Reason::compatibleGenre(0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " -> " + c.candidate);
        expectMatch(GenreMatcher{c.provider, c.mode}.evaluate(c.current, c.candidate), c.expected);
    }
}

TEST(GenreMatcher, MissingOrEmptyGenresRefuseInEveryMode) {
    const std::optional<std::string_view> pairs[][2] = {
        {std::nullopt, "House"}, {"House", std::nullopt}, {"", "House"}, {"House", ""}};
    for (const GenreMode mode : {GenreMode::exactOnly, GenreMode::compatibleGenres}) {
        for (const auto& [current, candidate] : pairs) {
            SCOPED_TRACE(std::string(current.value_or("<none>")) + " -> " +
                         std::string(candidate.value_or("<none>")));
            // A provider that would take anything.
            EXPECT_EQ((GenreMatcher{FixedCompatibility{1.0}, mode}.evaluate(current, candidate)),
                      std::nullopt);
        }
    }
}

} // namespace
} // namespace cuevox::recommendation
