#include "evaluation/SetEvaluation.hpp"

#include "recommendation/RecommendationService.hpp"
#include "recommendation/RecommendationSettings.hpp"
#include "style/StyleModel.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <algorithm>
#include <limits>
#include <set>
#include <string>
#include <unordered_map>

namespace cuevox::evaluation {
namespace {

using metadata::Playlist;
using metadata::Track;

// The 1-based place of the first entry whose track has the id.
template <typename Entries, typename IDOf>
std::optional<std::size_t> rankOf(const Entries& entries, const std::string& id, IDOf idOf) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& entry) { return idOf(entry) == id; });
    return found == entries.end() ? std::nullopt
                                  : std::optional<std::size_t>(found - entries.begin() + 1);
}

} // namespace

void RankingFigures::add(std::optional<std::size_t> rank) {
    ++pairs;
    if (!rank) {
        return;
    }
    ++listed;
    top5 += *rank <= 5 ? 1 : 0;
    top10 += *rank <= 10 ? 1 : 0;
    reciprocalRanks += 1.0 / static_cast<double>(*rank);
}

RankingFigures& RankingFigures::operator+=(const RankingFigures& other) {
    pairs += other.pairs;
    listed += other.listed;
    top5 += other.top5;
    top10 += other.top10;
    reciprocalRanks += other.reciprocalRanks;
    return *this;
}

Evaluation& Evaluation::operator+=(const Evaluation& other) {
    sets += other.sets;
    for (std::size_t i = 0; i < kRankingCount; ++i) {
        rankings[i] += other.rankings[i];
    }
    return *this;
}

Evaluation evaluate(const metadata::RekordboxLibrary& library, const EvaluationOptions& options) {
    const std::vector<Track>& tracks = library.tracks;
    std::unordered_map<std::string_view, std::size_t> indexByID;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        indexByID.try_emplace(tracks[i].id, i);
    }
    std::optional<tracklist::PreparedLibrary> prepared;
    std::optional<recommendation::RecommendationService> recommend;
    if (!options.styleOnly) {
        prepared.emplace(tracks, library.playlists);
        recommend.emplace(
            recommendation::defaultRecommendationSettings(std::numeric_limits<std::size_t>::max()));
    }

    // Each distinct set once, in the order of the file.
    std::set<std::vector<std::string>> seen;
    Evaluation evaluation;
    for (const Playlist& set : library.playlists) {
        if (set.trackIDs.size() < 2 || !options.sets.matches(set.name) ||
            !seen.insert(set.trackIDs).second) {
            continue;
        }
        // What the DJ knew before playing it: everything but the set and its copies.
        std::vector<Playlist> known;
        for (const Playlist& playlist : library.playlists) {
            if (playlist.trackIDs != set.trackIDs) {
                known.push_back(playlist);
            }
        }
        const style::StyleModel model(tracks, known, {}, options.sets, options.weights);
        bool counted = false;
        for (std::size_t i = 1; i < set.trackIDs.size(); ++i) {
            const auto from = indexByID.find(set.trackIDs[i - 1]);
            const std::string& next = set.trackIDs[i];
            if (from == indexByID.end() || !indexByID.contains(next) ||
                set.trackIDs[i - 1] == next) {
                continue;
            }
            counted = true;
            const Track& playing = tracks[from->second];
            auto& figures = evaluation.rankings;
            figures[static_cast<std::size_t>(Ranking::style)].add(
                rankOf(model.rank(playing).order, next,
                       [&](std::uint32_t index) { return tracks[index].id; }));
            if (options.styleOnly) {
                continue;
            }
            const auto list =
                tracklist::TrackListComputation::compute(*prepared, playing, {}, "", {}, {});
            figures[static_cast<std::size_t>(Ranking::defaultList)].add(
                rankOf(list.rows, next,
                       [&](const tracklist::ListRow& row) { return tracks[row.index].id; }));
            figures[static_cast<std::size_t>(Ranking::recommend)].add(
                rankOf(recommend->recommendations(playing, tracks), next,
                       [](const recommendation::Recommendation& r) { return r.track.id; }));
        }
        evaluation.sets += counted ? 1 : 0;
    }
    return evaluation;
}

} // namespace cuevox::evaluation
