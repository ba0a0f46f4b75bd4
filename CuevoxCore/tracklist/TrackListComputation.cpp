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
#include <cmath>
#include <cstdlib>
#include <map>
#include <span>
#include <unordered_set>

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

// What the list narrows and scores around: the source track, and the tempo and energy the
// live-set modes aim at from it.
struct Reference {
    const Track* source = nullptr;
    // R: the source deck's tempo in the tempo mode when it shows one, else the source's.
    std::optional<double> tempo;
    BPMMatcher tempoMatcher = kAutoBPMMatcher;
    bool halfDouble = false;
    // T: the energy the direction aims at.
    std::optional<int> energy;
};

std::optional<int> energyTarget(std::optional<int> energy, EnergyDirection direction) {
    if (!energy) {
        return std::nullopt;
    }
    switch (direction) {
    case EnergyDirection::up:
        return std::min(*energy + 1, 10);
    case EnergyDirection::down:
        return std::max(*energy - 1, 1);
    case EnergyDirection::hold:
        break;
    }
    return energy;
}

Reference makeReference(const std::optional<Track>& source, const ListModes& modes,
                        const LiveInputs& live) {
    Reference reference;
    if (!source) {
        return reference;
    }
    reference.source = &*source;
    reference.energy = energyTarget(source->energy, modes.energyDirection);
    if (!source->bpm) {
        return reference;
    }
    const std::optional<double>& deck = live.sourceDeckBPM;
    const bool deckTempo = modes.tempoMode() && deck && std::isfinite(*deck) && *deck > 0;
    reference.tempo = deckTempo ? *deck : *source->bpm;
    if (!modes.pitchRange.isOff()) {
        reference.tempoMatcher.tolerance.max = *reference.tempo * modes.pitchRange.percent() / 100;
    }
    reference.halfDouble = modes.halfDouble;
    return reference;
}

struct TempoFit {
    double score;
    double bpm;
    PitchAdjustment::Multiple multiple;
};

// The accepted try with the highest score, the earlier on a tie.
std::optional<TempoFit> bestTempoFit(const Reference& reference, double bpm) {
    using Multiple = PitchAdjustment::Multiple;
    const std::array<std::pair<double, Multiple>, 3> tries{
        {{bpm, Multiple::single}, {bpm * 2, Multiple::doubled}, {bpm / 2, Multiple::halved}}};
    std::optional<TempoFit> best;
    for (std::size_t i = 0; i < (reference.halfDouble ? tries.size() : 1); ++i) {
        const auto [tried, multiple] = tries[i];
        const std::optional<MatchResult> match =
            reference.tempoMatcher.evaluate(*reference.tempo, tried);
        if (match && (!best || match->score > best->score)) {
            best = TempoFit{match->score, tried, multiple};
        }
    }
    return best;
}

class FilterTest {
public:
    FilterTest(const Reference& reference, const FilterSelections& selections)
        : m_reference(reference), m_selections(selections) {}

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
        if (m_selections.bpmRanges.empty() && m_reference.tempo) {
            return track.bpm && bestTempoFit(m_reference, *track.bpm).has_value();
        }
        return m_selections.matchesBPM(track);
    }

    bool passesKey(const Track& track) const {
        const Track* source = m_reference.source;
        if (m_selections.keys.empty() && source && source->camelotKey) {
            return track.camelotKey &&
                   kAutoHarmonicMatcher.evaluate(*source->camelotKey, *track.camelotKey)
                       .has_value();
        }
        return m_selections.matchesKey(track);
    }

    bool passesEnergy(const Track& track) const {
        if (m_selections.energies.empty() && m_reference.energy) {
            return track.energy &&
                   std::abs(static_cast<long long>(*track.energy) - *m_reference.energy) <= 1;
        }
        return m_selections.matchesEnergy(track);
    }

    const Reference& m_reference;
    const FilterSelections& m_selections;
};

// A refusing matcher scores 0.
double scoreOf(const std::optional<MatchResult>& match) {
    return match ? match->score : 0.0;
}

double score(const Reference& reference, const Track& track,
             const std::optional<TempoFit>& tempoFit) {
    const Track& source = *reference.source;
    const double genre = !source.genre || !track.genre
                             ? 50.0
                             : scoreOf(kScoreGenreMatcher.evaluate(*source.genre, *track.genre));
    const double bpm = tempoFit ? tempoFit->score : 0.0;
    const double harmonic =
        source.camelotKey && track.camelotKey
            ? HarmonicCompatibilityService::evaluate(*source.camelotKey, *track.camelotKey).score
            : 50.0;
    const double energy = kScoreEnergyMatcher.evaluate(reference.energy, track.energy).score;
    return kScorer.score(genre, bpm, harmonic, energy);
}

// What the set leaves out: tracks already played, and tracks by the playing artist or the
// artists of the last three tracks played.
class SetMemory {
public:
    SetMemory(const PreparedLibrary& library, const Reference& reference, const ListModes& modes,
              const LiveInputs& live)
        : m_library(library) {
        const std::vector<std::string>& played = live.playedTrackIDs;
        if (modes.hidePlayed) {
            m_played.insert(played.begin(), played.end());
        }
        if (!modes.varyArtists) {
            return;
        }
        if (reference.source) {
            addArtist(PreparedLibrary::artistKeyOf(reference.source->artist));
        }
        const std::vector<Track>& tracks = library.tracks();
        for (std::size_t i = played.size() - std::min<std::size_t>(played.size(), 3);
             i < played.size(); ++i) {
            // A played track the collection lacks has no artist to leave out.
            const auto found = std::find_if(tracks.begin(), tracks.end(),
                                            [&](const Track& t) { return t.id == played[i]; });
            if (found != tracks.end()) {
                addArtist(library.artistKey(static_cast<std::size_t>(found - tracks.begin())));
            }
        }
    }

    bool leavesOut(std::size_t index) const {
        if (m_played.empty() && m_artists.empty()) {
            return false;
        }
        const std::string& artist = m_library.artistKey(index);
        return m_played.contains(m_library.tracks()[index].id) ||
               std::find(m_artists.begin(), m_artists.end(), artist) != m_artists.end();
    }

private:
    // An empty artist names nobody.
    void addArtist(std::string key) {
        if (!key.empty()) {
            m_artists.push_back(std::move(key));
        }
    }

    const PreparedLibrary& m_library;
    std::unordered_set<std::string_view> m_played;
    std::vector<std::string> m_artists;
};

} // namespace

Result compute(const PreparedLibrary& library, const std::optional<Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText) {
    return compute(library, sourceTrack, selections, searchText, {}, {});
}

Result compute(const PreparedLibrary& library, const std::optional<Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText,
               const ListModes& modes, const LiveInputs& live) {
    const std::vector<Track>& tracks = library.tracks();
    const Reference reference = makeReference(sourceTrack, modes, live);
    const FilterTest filter(reference, selections);
    const SetMemory setMemory(library, reference, modes, live);
    const std::string query = PreparedLibrary::foldForSearch(text::trim(searchText));

    Result result;
    result.trackIndices.reserve(tracks.size());
    std::unordered_map<std::string_view, int> genreCounts;
    std::map<int, int> bucketCounts;
    std::array<int, 24> keyCounts{};
    std::array<int, 11> energyCounts{};

    const auto visit = [&](std::size_t index) {
        const Track& track = tracks[index];
        if ((!query.empty() && !library.matchesSearch(index, query)) ||
            setMemory.leavesOut(index)) {
            return;
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
    };
    if (modes.playlistID) {
        // Ascending positions, so the scope is visited in collection order too.
        for (const std::size_t index :
             library.playlistTracks(*modes.playlistID).value_or(std::span<const std::size_t>())) {
            visit(index);
        }
    } else {
        for (std::size_t index = 0; index < tracks.size(); ++index) {
            visit(index);
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
    if (!reference.tempo) {
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return library.alphabeticalRank(a) < library.alphabeticalRank(b);
        });
        return result;
    }

    // Scores and pitches go by id, so a later track with the same id overwrites an earlier
    // one's, and both sort by it.
    result.trackScores.reserve(order.size());
    for (const std::size_t index : order) {
        const Track& track = tracks[index];
        const std::optional<TempoFit> fit =
            track.bpm ? bestTempoFit(reference, *track.bpm) : std::nullopt;
        result.trackScores.insert_or_assign(track.id, score(reference, track, fit));
        if (!modes.tempoMode()) {
            continue;
        }
        if (fit) {
            result.trackPitches.insert_or_assign(
                track.id, PitchAdjustment{fit->multiple, (*reference.tempo / fit->bpm - 1) * 100});
        } else {
            result.trackPitches.erase(track.id);
        }
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
