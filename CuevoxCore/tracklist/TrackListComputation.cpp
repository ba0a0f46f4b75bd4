#include "tracklist/TrackListComputation.hpp"

#include "recommendation/BPMMatcher.hpp"
#include "recommendation/EnergyMatcher.hpp"
#include "recommendation/GenreMatcher.hpp"
#include "recommendation/HarmonicCompatibilityService.hpp"
#include "recommendation/HarmonicMatcher.hpp"
#include "recommendation/RecommendationScorer.hpp"
#include "recommendation/RecommendationSettings.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

namespace cuevox::tracklist::TrackListComputation {
namespace {

using metadata::CamelotKey;
using metadata::Track;
using namespace recommendation;

enum class FilterField { genre, bpm, key, energy };

// The list's fixed tolerances and weights are the recommendations' defaults.
const RecommendationSettings kDefaults = defaultRecommendationSettings();
const BPMMatcher kAutoBPMMatcher{kDefaults.bpmTolerance};
const HarmonicMatcher kAutoHarmonicMatcher{kDefaults.harmonicMode};
const EnergyMatcher kScoreEnergyMatcher{kDefaults.energyMode};
const GenreMatcher kScoreGenreMatcher{kDefaults.genreProvider, kDefaults.genreMode};
const RecommendationScorer kScorer{kDefaults.weights};

std::size_t keyIndex(CamelotKey key) {
    return static_cast<std::size_t>((key.number() - 1) * 2 +
                                    (key.letter() == metadata::CamelotLetter::a ? 0 : 1));
}

class FilterTest {
public:
    FilterTest(const std::optional<Track>& source, const FilterSelections& selections)
        : m_source(source ? &*source : nullptr), m_selections(selections) {}

    bool passes(const Track& track, std::optional<FilterField> skipping = std::nullopt) const {
        return (skipping == FilterField::genre || passesGenre(track)) &&
               (skipping == FilterField::bpm || passesBPM(track)) &&
               (skipping == FilterField::key || passesKey(track)) &&
               (skipping == FilterField::energy || passesEnergy(track));
    }

private:
    // A choice in a group replaces its automatic filter around the source; genre has none.
    bool passesGenre(const Track& track) const { return m_selections.matchesGenre(track); }

    bool passesBPM(const Track& track) const {
        if (m_selections.bpmRanges.empty() && m_source && m_source->bpm) {
            return track.bpm && kAutoBPMMatcher.evaluate(*m_source->bpm, *track.bpm).has_value();
        }
        return m_selections.matchesBPM(track);
    }

    bool passesKey(const Track& track) const {
        if (m_selections.keys.empty() && m_source && m_source->camelotKey) {
            return track.camelotKey &&
                   kAutoHarmonicMatcher.evaluate(*m_source->camelotKey, *track.camelotKey)
                       .has_value();
        }
        return m_selections.matchesKey(track);
    }

    bool passesEnergy(const Track& track) const {
        if (m_selections.energies.empty() && m_source && m_source->energy) {
            return track.energy && std::abs(*track.energy - *m_source->energy) <= 1;
        }
        return m_selections.matchesEnergy(track);
    }

    const Track* m_source;
    const FilterSelections& m_selections;
};

// A refusing matcher scores 0.
double scoreOf(const std::optional<MatchResult>& match) {
    return match ? match->score : 0.0;
}

double score(const Track& source, const Track& track) {
    const double genre = !source.genre || !track.genre
                             ? 50.0
                             : scoreOf(kScoreGenreMatcher.evaluate(*source.genre, *track.genre));
    const double bpm =
        source.bpm && track.bpm ? scoreOf(kAutoBPMMatcher.evaluate(*source.bpm, *track.bpm)) : 0.0;
    const double harmonic =
        source.camelotKey && track.camelotKey
            ? HarmonicCompatibilityService::evaluate(*source.camelotKey, *track.camelotKey).score
            : 50.0;
    const double energy = kScoreEnergyMatcher.evaluate(source.energy, track.energy).score;
    return kScorer.score(genre, bpm, harmonic, energy);
}

} // namespace

Result compute(const PreparedLibrary& library, const std::optional<Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText) {
    const std::vector<Track>& tracks = library.tracks();
    const FilterTest filter(sourceTrack, selections);
    const std::string query = PreparedLibrary::foldForSearch(text::trim(searchText));

    Result result;
    result.trackIndices.reserve(tracks.size());
    std::unordered_map<std::string_view, int> genreCounts;
    std::map<int, int> bucketCounts;
    std::array<int, 24> keyCounts{};
    std::array<int, 11> energyCounts{};

    for (std::size_t index = 0; index < tracks.size(); ++index) {
        const Track& track = tracks[index];
        if (!query.empty() && !library.matchesSearch(index, query)) {
            continue;
        }
        if (filter.passes(track)) {
            result.trackIndices.push_back(index);
        }
        if (track.genre && filter.passes(track, FilterField::genre)) {
            ++genreCounts[*track.genre];
        }
        if (track.bpm && filter.passes(track, FilterField::bpm)) {
            if (const std::optional<BPMRange> bucket = bucketOf(*track.bpm)) {
                ++bucketCounts[bucket->lowerBound];
            }
        }
        if (track.camelotKey && filter.passes(track, FilterField::key)) {
            ++keyCounts[keyIndex(*track.camelotKey)];
        }
        if (track.energy && *track.energy >= 1 && *track.energy <= 10 &&
            filter.passes(track, FilterField::energy)) {
            ++energyCounts[static_cast<std::size_t>(*track.energy)];
        }
    }

    for (const std::string& name : library.availableGenreNames()) {
        const auto found = genreCounts.find(name);
        result.genreOptions.push_back({name, found == genreCounts.end() ? 0 : found->second});
    }
    for (const BPMRange& range : library.bpmRangeBuckets()) {
        const auto found = bucketCounts.find(range.lowerBound);
        result.bpmRangeOptions.push_back({range, found == bucketCounts.end() ? 0 : found->second});
    }
    for (const CamelotKey& key : CamelotKey::allPositions()) {
        result.keyOptions.push_back({key, keyCounts[keyIndex(key)]});
    }
    for (int energy = 1; energy <= 10; ++energy) {
        result.energyOptions.push_back({energy, energyCounts[static_cast<std::size_t>(energy)]});
    }

    std::vector<std::size_t>& order = result.trackIndices;
    if (!sourceTrack || !sourceTrack->bpm) {
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return library.alphabeticalRank(a) < library.alphabeticalRank(b);
        });
        return result;
    }

    // Scores go by id, so a later track with the same id overwrites an earlier one's score,
    // and both sort by it.
    result.trackScores.reserve(order.size());
    for (const std::size_t index : order) {
        result.trackScores.insert_or_assign(tracks[index].id, score(*sourceTrack, tracks[index]));
    }
    std::vector<double> scores(tracks.size(), 0.0);
    for (const std::size_t index : order) {
        scores[index] = result.trackScores.at(tracks[index].id);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (scores[a] != scores[b]) {
            return scores[a] > scores[b];
        }
        const Track& first = tracks[a];
        const Track& second = tracks[b];
        if (first.year != second.year) {
            // A missing year sorts below every year.
            return first.year && (!second.year || *first.year > *second.year);
        }
        return library.alphabeticalRank(a) < library.alphabeticalRank(b);
    });
    return result;
}

} // namespace cuevox::tracklist::TrackListComputation
