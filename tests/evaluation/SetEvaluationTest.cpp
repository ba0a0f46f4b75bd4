#include "evaluation/SetEvaluation.hpp"

#include <gtest/gtest.h>

namespace cuevox::evaluation {
namespace {

using metadata::Playlist;

metadata::Track track(const std::string& id) {
    metadata::Track t{};
    t.id = id;
    t.title = "Title " + id;
    t.bpm = 128;
    t.filepath = "/Music/" + id + ".mp3";
    return t;
}

// Only shared crates count, so every rank is known: with nothing shared, collection order.
TEST(SetEvaluation, ASetAndItsCopiesAreLeftOutOfWhatTheModelKnows) {
    const metadata::RekordboxLibrary library{
        {track("t1"), track("t5"), track("t6"), track("t2"), track("t3"), track("t7"), track("t8")},
        {
            {"1", "Set A", {"t1", "t2", "t3"}},
            {"2", "Crate copy", {"t1", "t2", "t3"}},  // would put t2 first after t1
            {"3", "Set A again", {"t1", "t2", "t3"}}, // counted once
            {"4", "Set B", {"t5", "t6", "gone"}},
            {"5", "Crate X", {"t5", "t6"}},
            {"6", "Set of one", {"t3"}},
        }};
    const Evaluation evaluation = evaluate(library, {.sets = {}, .weights = {1, 0, 0, 0, 0}});
    EXPECT_EQ(evaluation.sets, 2u);
    // t1 to t2 at 3 (after t5, t6), t2 to t3 at 4 (after t1, t5, t6), t5 to t6 at 1.
    EXPECT_EQ(evaluation[Ranking::style],
              (RankingFigures{.pairs = 3,
                              .listed = 3,
                              .top5 = 3,
                              .top10 = 3,
                              .reciprocalRanks = 1.0 / 3 + 1.0 / 4 + 1}));
    EXPECT_EQ(evaluation[Ranking::defaultList].pairs, 3u);
}

} // namespace
} // namespace cuevox::evaluation
