// Chooses the style model's weights on DJs' collections without fitting them to any one DJ:
// every combination of a small grid is scored on each file; the weights reported for a file
// are the best on the other files (leave one file out), and the figures under them are that
// file's. The weights best on all files together are the in-sample choice.
//
//   cuevox-style-tuning FILE...   (three or more collection exports with set playlists)

#include "evaluation/SetEvaluation.hpp"
#include "importing/XMLLibraryReader.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <vector>

namespace {

using cuevox::evaluation::Evaluation;
using cuevox::evaluation::Ranking;
using cuevox::evaluation::RankingFigures;
using cuevox::style::StyleWeights;

// Each weight on a doubling scale around its first guess, and 0 for the signals that may not
// help at all. Crates count 1: the other weights are relative to them. Proven pairs keep their
// reasoned weight, as these sets never repeat a pair.
std::vector<StyleWeights> grid() {
    std::vector<StyleWeights> weights;
    for (const double added : {0.5, 1.0, 2.0, 4.0, 8.0}) {
        for (const double habits : {0.0, 0.025, 0.05, 0.1, 0.2}) {
            for (const double list : {0.0, 0.25, 0.5, 1.0, 2.0}) {
                weights.push_back({1.0, added, 4.0, habits, list});
            }
        }
    }
    return weights;
}

// What is maximised: the mean reciprocal rank averaged over files, so that each DJ counts
// alike whatever the length of their sets; it rewards every place gained, not only those that
// cross into the top 10.
double objective(const std::vector<RankingFigures>& files) {
    double sum = 0;
    for (const RankingFigures& figures : files) {
        sum += figures.meanReciprocalRank();
    }
    return files.empty() ? 0 : sum / static_cast<double>(files.size());
}

void print(const char* label, const RankingFigures& figures, const StyleWeights& weights) {
    std::printf("%-22s %4zu pairs  hit@5 %5.1f %%  hit@10 %5.1f %%  MRR %.3f   "
                "added %.2f habits %.3f list %.2f\n",
                label, figures.pairs, figures.hit5() * 100, figures.hit10() * 100,
                figures.meanReciprocalRank(), weights.addedTogether, weights.habits,
                weights.listScore);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<cuevox::metadata::RekordboxLibrary> libraries;
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        auto library = cuevox::importing::XMLLibraryReader(argv[i]).loadLibrary();
        if (!library) {
            std::fprintf(stderr, "%s\n", library.error().message().c_str());
            return 1;
        }
        libraries.push_back(std::move(*library));
        names.push_back(std::filesystem::path(argv[i]).filename().string());
    }
    const std::vector<StyleWeights> candidates = grid();
    // figures[c][f]: the style ranking with candidate c on file f.
    std::vector<std::vector<RankingFigures>> figures(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        for (const auto& library : libraries) {
            const Evaluation evaluation = cuevox::evaluation::evaluate(
                library, {.sets = {}, .weights = candidates[c], .styleOnly = true});
            figures[c].push_back(evaluation[Ranking::style]);
        }
    }

    const auto best = [&](auto include) {
        std::size_t chosen = 0;
        double score = -1;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            std::vector<RankingFigures> training;
            for (std::size_t f = 0; f < libraries.size(); ++f) {
                if (include(f)) {
                    training.push_back(figures[c][f]);
                }
            }
            if (const double value = objective(training); value > score) {
                score = value;
                chosen = c;
            }
        }
        return chosen;
    };

    // How flat the optimum is: the ten best combinations and each file's MRR under them.
    std::vector<std::size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return objective(figures[a]) > objective(figures[b]);
    });
    std::printf("Ten best in sample (mean MRR of the files, then each file's):\n");
    for (std::size_t i = 0; i < std::min<std::size_t>(10, order.size()); ++i) {
        const StyleWeights& w = candidates[order[i]];
        std::printf("  %.3f  added %.2f habits %.3f list %.2f  |", objective(figures[order[i]]),
                    w.addedTogether, w.habits, w.listScore);
        for (const RankingFigures& file : figures[order[i]]) {
            std::printf("  %.3f", file.meanReciprocalRank());
        }
        std::printf("\n");
    }
    std::printf("\n");
    const std::size_t inSample = best([](std::size_t) { return true; });
    std::printf("In sample (weights best on every file):\n");
    RankingFigures total;
    for (std::size_t f = 0; f < libraries.size(); ++f) {
        print(names[f].c_str(), figures[inSample][f], candidates[inSample]);
        total += figures[inSample][f];
    }
    print("overall", total, candidates[inSample]);

    std::printf("\nLeave one file out (weights best on the other files):\n");
    RankingFigures crossValidated;
    std::vector<StyleWeights> folds;
    for (std::size_t f = 0; f < libraries.size(); ++f) {
        const std::size_t chosen = best([f](std::size_t g) { return g != f; });
        print(names[f].c_str(), figures[chosen][f], candidates[chosen]);
        crossValidated += figures[chosen][f];
        folds.push_back(candidates[chosen]);
    }
    std::printf("%-22s %4zu pairs  hit@5 %5.1f %%  hit@10 %5.1f %%  MRR %.3f\n", "overall",
                crossValidated.pairs, crossValidated.hit5() * 100, crossValidated.hit10() * 100,
                crossValidated.meanReciprocalRank());

    // The defaults: each weight the median of the folds' choices, which no single DJ decides
    // and which the flat top of the grid (above) barely tells from its best.
    const auto median = [&folds](double StyleWeights::*weight) {
        std::vector<double> values;
        for (const StyleWeights& fold : folds) {
            values.push_back(fold.*weight);
        }
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const StyleWeights chosen{1.0, median(&StyleWeights::addedTogether), 4.0,
                              median(&StyleWeights::habits), median(&StyleWeights::listScore)};
    std::printf("\nThe median of the folds' weights, in sample:\n");
    RankingFigures shipped;
    for (std::size_t f = 0; f < libraries.size(); ++f) {
        const RankingFigures file = cuevox::evaluation::evaluate(
            libraries[f], {.sets = {}, .weights = chosen, .styleOnly = true})[Ranking::style];
        print(names[f].c_str(), file, chosen);
        shipped += file;
    }
    print("overall", shipped, chosen);

    // What each signal does alone, and the median weights without adding together.
    StyleWeights notAdded = chosen;
    notAdded.addedTogether = 0;
    const struct {
        const char* label;
        StyleWeights weights;
    } alone[] = {
        {"crates alone", {1, 0, 0, 0, 0}},   {"added together alone", {0, 1, 0, 0, 0}},
        {"habits alone", {0, 0, 0, 1, 0}},   {"list score alone", {0, 0, 0, 0, 1}},
        {"the median, not added", notAdded},
    };
    std::printf("\nEach signal (all files):\n");
    for (const auto& signal : alone) {
        RankingFigures all;
        for (const auto& library : libraries) {
            all += cuevox::evaluation::evaluate(
                library,
                {.sets = {}, .weights = signal.weights, .styleOnly = true})[Ranking::style];
        }
        std::printf("%-22s %4zu pairs  hit@5 %5.1f %%  hit@10 %5.1f %%  MRR %.3f\n", signal.label,
                    all.pairs, all.hit5() * 100, all.hit10() * 100, all.meanReciprocalRank());
    }
    return 0;
}
