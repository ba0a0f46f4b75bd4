#pragma once

#include "metadata/RekordboxLibrary.hpp"
#include "style/SetPattern.hpp"
#include "style/StyleWeights.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// How well each ranking of Cuevox foresees what a DJ played: for every two consecutive tracks
// of the DJ's sets, the whole collection is ranked for the first and the second sought, with
// the set (and every copy of it) left out of what the style model knows.
namespace cuevox::evaluation {

enum class Ranking {
    // The window's list: narrowed around the playing track, then scored.
    defaultList,
    // `cuevox-cli recommend` with its default settings, every result kept.
    recommend,
    style,
};
inline constexpr std::size_t kRankingCount = 3;

struct RankingFigures {
    std::size_t pairs = 0;
    // The next track was in the list at all, in its top 5, in its top 10.
    std::size_t listed = 0;
    std::size_t top5 = 0;
    std::size_t top10 = 0;
    // 1 / rank summed over the pairs; a pair not listed adds 0.
    double reciprocalRanks = 0;

    void add(std::optional<std::size_t> rank);
    RankingFigures& operator+=(const RankingFigures& other);

    double shareListed() const { return share(listed); }
    double hit5() const { return share(top5); }
    double hit10() const { return share(top10); }
    double meanReciprocalRank() const {
        return pairs == 0 ? 0 : reciprocalRanks / static_cast<double>(pairs);
    }

    bool operator==(const RankingFigures&) const = default;

private:
    double share(std::size_t count) const {
        return pairs == 0 ? 0 : static_cast<double>(count) / static_cast<double>(pairs);
    }
};

struct Evaluation {
    // Distinct sets with at least one pair of known tracks.
    std::size_t sets = 0;
    std::array<RankingFigures, kRankingCount> rankings{};

    const RankingFigures& operator[](Ranking ranking) const {
        return rankings[static_cast<std::size_t>(ranking)];
    }
    Evaluation& operator+=(const Evaluation& other);
};

struct EvaluationOptions {
    style::SetPattern sets;
    style::StyleWeights weights;
    // Only the style ranking, for trying weights: the other two do not depend on them.
    bool styleOnly = false;
};

// Pairs count when both tracks are in the collection and differ; sets that are copies of each
// other count once.
Evaluation evaluate(const metadata::RekordboxLibrary& library, const EvaluationOptions& options);

} // namespace cuevox::evaluation
