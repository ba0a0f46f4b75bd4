#include "tracklist/TrackListComputation.hpp"

#include "recommendation/BPMMatcher.hpp"
#include "recommendation/EnergyMatcher.hpp"
#include "recommendation/GenreMatcher.hpp"
#include "recommendation/HarmonicCompatibilityService.hpp"
#include "recommendation/HarmonicMatcher.hpp"
#include "recommendation/KeyMove.hpp"
#include "recommendation/RecommendationScorer.hpp"
#include "recommendation/RecommendationSettings.hpp"
#include "style/StyleModel.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <limits>
#include <map>
#include <span>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace cuevox::tracklist::TrackListComputation {
namespace {

using metadata::CamelotKey;
using metadata::Track;
using namespace recommendation;

enum class FilterField { genre, bpm, key, energy };

// Which of the four filters a track passes. The list needs all four, and each option count all
// but its own group's: each filter is asked once.
struct FilterOutcome {
    std::array<bool, 4> passed{};

    bool all() const { return passed[0] && passed[1] && passed[2] && passed[3]; }
    bool allBut(FilterField skipped) const {
        for (std::size_t field = 0; field < passed.size(); ++field) {
            if (!passed[field] && field != static_cast<std::size_t>(skipped)) {
                return false;
            }
        }
        return true;
    }
};

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

// What the list narrows and scores around: the source track, and the tempo, energy and key the
// live-set modes aim at from it.
struct Reference {
    const Track* source = nullptr;
    // R: the source deck's tempo in the tempo mode when it shows one, else the source's.
    std::optional<double> tempo;
    BPMMatcher tempoMatcher = kAutoBPMMatcher;
    bool halfDouble = false;
    // T: the energy the direction aims at.
    std::optional<int> energy;
    // The source's key as heard; its own with key lock on.
    std::optional<CamelotKey> key;
    // Nothing lets any key through.
    std::optional<HarmonicMatcher> keyFilter = kAutoHarmonicMatcher;
    // With key lock off, the tempo the next track will play at: the deck's, else the source's.
    std::optional<double> playingTempo;
    // In the style mode: what ranks the list, its habits standing in for the automatic filters.
    const style::StyleModel* style = nullptr;
};

std::optional<int> energyTarget(std::optional<int> energy, EnergyDirection direction) {
    if (!energy) {
        return std::nullopt;
    }
    switch (direction) {
    case EnergyDirection::up: return std::min(*energy + 1, 10);
    case EnergyDirection::down: return std::max(*energy - 1, 1);
    case EnergyDirection::hold: break;
    }
    return energy;
}

std::optional<HarmonicMatcher> keyFilterOf(HarmonicStrictness strictness) {
    switch (strictness) {
    case HarmonicStrictness::strict: return kAutoHarmonicMatcher;
    case HarmonicStrictness::balanced: return HarmonicMatcher{HarmonicMode::balanced};
    case HarmonicStrictness::open: break;
    }
    return std::nullopt;
}

Reference makeReference(const std::optional<Track>& source, const ListModes& modes,
                        const LiveInputs& live) {
    Reference reference;
    if (!source) {
        return reference;
    }
    reference.source = &*source;
    reference.style = modes.style ? live.style.get() : nullptr;
    reference.energy = energyTarget(source->energy, modes.energyDirection);
    reference.key = source->camelotKey;
    reference.keyFilter = keyFilterOf(modes.harmonicStrictness);
    const std::optional<double>& deck = live.sourceDeckBPM;
    const bool deckShowsTempo = deck && std::isfinite(*deck) && *deck > 0;
    if (!modes.keyLock) {
        reference.playingTempo = deckShowsTempo ? deck : source->bpm;
        if (source->camelotKey && source->bpm && deckShowsTempo) {
            if (const auto heard = HeardKey::at(*source->camelotKey, *deck, *source->bpm)) {
                reference.key = heard->key;
            }
        }
    }
    if (!source->bpm) {
        return reference;
    }
    reference.tempo = modes.tempoMode() && deckShowsTempo ? *deck : *source->bpm;
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

// With key lock off: the track's key at the tempo it plays at, the tried tempo when it has a
// fit, else the playing tempo.
std::optional<HeardKey> heardKeyOf(const Reference& reference, const Track& track,
                                   const std::optional<TempoFit>& fit) {
    if (!reference.playingTempo || !track.camelotKey || !track.bpm) {
        return std::nullopt;
    }
    return HeardKey::at(*track.camelotKey, *reference.playingTempo, fit ? fit->bpm : *track.bpm);
}

std::optional<TempoFit> tempoFitOf(const Reference& reference, const Track& track) {
    return reference.tempo && track.bpm ? bestTempoFit(reference, *track.bpm) : std::nullopt;
}

// The key the list judges a track by: as heard with key lock off, else its own.
std::optional<CamelotKey> judgedKey(const std::optional<HeardKey>& heard, const Track& track) {
    return heard ? std::optional(heard->key) : track.camelotKey;
}

class FilterTest {
public:
    FilterTest(const Reference& reference, const FilterSelections& selections)
        : m_reference(reference), m_selections(selections) {}

    FilterOutcome test(const Track& track) const {
        return {{passesGenre(track), passesBPM(track), passesKey(track), passesEnergy(track)}};
    }

private:
    // A choice in a group replaces its automatic filter around the source; genre has none.
    bool passesGenre(const Track& track) const { return m_selections.matchesGenre(track); }

    bool passesBPM(const Track& track) const {
        if (m_selections.bpmRanges.empty() && m_reference.tempo && !m_reference.style) {
            return track.bpm && bestTempoFit(m_reference, *track.bpm).has_value();
        }
        return m_selections.matchesBPM(track);
    }

    bool passesKey(const Track& track) const {
        if (!m_selections.keys.empty() || !m_reference.key || m_reference.style) {
            return m_selections.matchesKey(track);
        }
        if (!m_reference.keyFilter) {
            return true;
        }
        const std::optional<CamelotKey> key =
            judgedKey(m_reference.playingTempo
                          ? heardKeyOf(m_reference, track, tempoFitOf(m_reference, track))
                          : std::nullopt,
                      track);
        return key && m_reference.keyFilter->evaluate(*m_reference.key, *key).has_value();
    }

    bool passesEnergy(const Track& track) const {
        if (m_selections.energies.empty() && m_reference.energy && !m_reference.style) {
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

// The genre score of each genre met, worked out once per list: comparing two genres folds both
// through ICU, and a collection repeats a few dozen genres over thousands of tracks.
class GenreScores {
public:
    GenreScores(const PreparedLibrary& library, const Reference& reference)
        : m_library(library), m_reference(reference),
          m_scores(library.availableGenreNames().size(), -1.0) {}

    double of(std::size_t index) {
        const std::optional<std::string>& source = m_reference.source->genre;
        const std::uint32_t genre = m_library.genreIndex(index);
        if (!source || genre == PreparedLibrary::kNoGenre) {
            return 50.0;
        }
        double& known = m_scores[genre];
        if (known < 0) {
            known = scoreOf(kScoreGenreMatcher.evaluate(*source, *m_library.tracks()[index].genre));
        }
        return known;
    }

private:
    const PreparedLibrary& m_library;
    const Reference& m_reference;
    // Below 0 until worked out.
    std::vector<double> m_scores;
};

double score(const Reference& reference, std::size_t index, const Track& track,
             const std::optional<CamelotKey>& key, const std::optional<TempoFit>& tempoFit,
             GenreScores& genres) {
    const double bpm = tempoFit ? tempoFit->score : 0.0;
    const double harmonic = reference.key && key
                                ? HarmonicCompatibilityService::evaluate(*reference.key, *key).score
                                : 50.0;
    const double energy = kScoreEnergyMatcher.evaluate(reference.energy, track.energy).score;
    return kScorer.score(genres.of(index), bpm, harmonic, energy);
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
            for (const std::string& id : played) {
                m_playedHashes.push_back(PreparedLibrary::hashID(id));
            }
            std::sort(m_playedHashes.begin(), m_playedHashes.end());
        }
        if (!modes.varyArtists) {
            return;
        }
        if (reference.source) {
            addArtist(PreparedLibrary::artistKeyOf(reference.source->artist));
        }
        for (std::size_t i = played.size() - std::min<std::size_t>(played.size(), 3);
             i < played.size(); ++i) {
            // A played track the collection lacks has no artist to leave out.
            if (const std::optional<std::size_t> index = firstWithID(played[i])) {
                addArtist(library.artistKey(*index));
            }
        }
    }

    bool leavesOut(std::size_t index) const {
        if (m_played.empty() && m_artists.empty()) {
            return false;
        }
        // The hash first: most tracks are not played, and their id text is never read.
        const bool played = std::binary_search(m_playedHashes.begin(), m_playedHashes.end(),
                                               m_library.idHash(index)) &&
                            m_played.contains(m_library.tracks()[index].id);
        const std::string& artist = m_library.artistKey(index);
        return played || std::find(m_artists.begin(), m_artists.end(), artist) != m_artists.end();
    }

private:
    std::optional<std::size_t> firstWithID(std::string_view id) const {
        const std::uint64_t hash = PreparedLibrary::hashID(id);
        const std::vector<Track>& tracks = m_library.tracks();
        for (std::size_t index = 0; index < tracks.size(); ++index) {
            if (m_library.idHash(index) == hash && tracks[index].id == id) {
                return index;
            }
        }
        return std::nullopt;
    }

    // An empty artist names nobody.
    void addArtist(std::string key) {
        if (!key.empty()) {
            m_artists.push_back(std::move(key));
        }
    }

    const PreparedLibrary& m_library;
    std::unordered_set<std::string_view> m_played;
    std::vector<std::uint64_t> m_playedHashes;
    std::vector<std::string> m_artists;
};

// The tracks the list draws from, ascending: the chosen playlist's, or the whole collection.
std::vector<std::size_t> scope(const PreparedLibrary& library, const ListModes& modes) {
    if (modes.playlistID) {
        const auto tracks =
            library.playlistTracks(*modes.playlistID).value_or(std::span<const std::size_t>());
        return {tracks.begin(), tracks.end()};
    }
    std::vector<std::size_t> all(library.tracks().size());
    for (std::size_t index = 0; index < all.size(); ++index) {
        all[index] = index;
    }
    return all;
}

// The rows that pass the search, the set memory and every filter, in scope order; and for each
// option of a filter group, how many tracks would pass with the group's own filter left out.
// The positions of the tracks listed, ascending.
std::vector<std::size_t> filterAndCount(const PreparedLibrary& library,
                                        std::span<const std::size_t> scope,
                                        const FilterTest& filter, const SetMemory& setMemory,
                                        std::string_view query, Result& options) {
    const std::vector<Track>& tracks = library.tracks();
    std::vector<std::size_t> listed;
    listed.reserve(scope.size());
    std::vector<int> genreCounts(library.availableGenreNames().size());
    std::map<int, int> bucketCounts;
    std::array<int, 24> keyCounts{};
    std::array<int, 11> energyCounts{};
    for (const std::size_t index : scope) {
        const Track& track = tracks[index];
        if ((!query.empty() && !library.matchesSearch(index, query)) ||
            setMemory.leavesOut(index)) {
            continue;
        }
        const FilterOutcome outcome = filter.test(track);
        if (outcome.all()) {
            listed.push_back(index);
        }
        if (const std::uint32_t genre = library.genreIndex(index);
            genre != PreparedLibrary::kNoGenre && outcome.allBut(FilterField::genre)) {
            ++genreCounts[genre];
        }
        if (track.bpm && outcome.allBut(FilterField::bpm)) {
            if (const std::optional<BPMRange> bucket = bucketOf(*track.bpm)) {
                ++bucketCounts[bucket->lowerBound];
            }
        }
        if (track.camelotKey && outcome.allBut(FilterField::key)) {
            ++keyCounts[keyIndex(*track.camelotKey)];
        }
        if (track.energy && *track.energy >= 1 && *track.energy <= 10 &&
            outcome.allBut(FilterField::energy)) {
            ++energyCounts[static_cast<std::size_t>(*track.energy)];
        }
    }

    for (std::size_t genre = 0; genre < genreCounts.size(); ++genre) {
        options.genreOptions.push_back({library.availableGenreNames()[genre], genreCounts[genre]});
    }
    for (const BPMRange& range : library.bpmRangeBuckets()) {
        const auto found = bucketCounts.find(range.lowerBound);
        options.bpmRangeOptions.push_back({range, found == bucketCounts.end() ? 0 : found->second});
    }
    for (const CamelotKey& key : CamelotKey::allPositions()) {
        options.keyOptions.push_back({key, keyCounts[keyIndex(key)]});
    }
    for (int energy = 1; energy <= 10; ++energy) {
        options.energyOptions.push_back({energy, energyCounts[static_cast<std::size_t>(energy)]});
    }
    return listed;
}

// Equal ids are one track to the list: every row of an id takes what the list worked out for
// its last track in the collection, and they sort together.
void shareAmongEqualIDs(const PreparedLibrary& library, std::vector<ListRow>& rows) {
    if (!library.hasRepeatedIDs()) {
        return;
    }
    std::vector<std::size_t> lastRowOfGroup(library.idGroupCount(), rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::size_t& last = lastRowOfGroup[library.idGroup(rows[row].index)];
        if (last == rows.size() || rows[last].index < rows[row].index) {
            last = row;
        }
    }
    for (ListRow& row : rows) {
        const std::size_t index = row.index;
        row = rows[lastRowOfGroup[library.idGroup(index)]];
        row.index = index;
    }
}

// The listed positions in the style model's order; the tracks it does not rank (the playing
// recording's own files) last. Placed, not sorted.
void orderByStyle(const style::StyleRanking& ranking, std::vector<std::size_t>& listed) {
    std::vector<bool> isListed(ranking.scores.size());
    for (const std::size_t index : listed) {
        if (index < isListed.size()) {
            isListed[index] = true;
        }
    }
    std::vector<std::size_t> ordered;
    ordered.reserve(listed.size());
    for (const std::uint32_t index : ranking.order) {
        if (isListed[index]) {
            ordered.push_back(index);
            isListed[index] = false;
        }
    }
    for (const std::size_t index : listed) {
        if (index >= isListed.size() || isListed[index]) {
            ordered.push_back(index);
        }
    }
    listed = std::move(ordered);
}

// Scored best first, then by year and alphabetically; alphabetical and unscored without a
// tempo to aim at.
std::vector<ListRow> rank(const PreparedLibrary& library, const Reference& reference,
                          bool tempoMode, std::vector<std::size_t> listed,
                          const std::shared_ptr<const style::StyleRanking>& styleRanking) {
    const std::vector<Track>& tracks = library.tracks();
    // Ordered before the rows are made where the order needs no score: positions move cheaply.
    if (styleRanking) {
        orderByStyle(*styleRanking, listed);
        listed.resize(std::min(listed.size(), kStyleListLength));
    } else if (!reference.tempo) {
        std::sort(listed.begin(), listed.end(), [&](std::size_t a, std::size_t b) {
            return library.alphabeticalRank(a) < library.alphabeticalRank(b);
        });
    }
    std::vector<ListRow> rows(listed.size());
    GenreScores genres(library, reference);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ListRow& row = rows[i];
        row.index = listed[i];
        if (styleRanking && row.index < styleRanking->scores.size()) {
            row.style = styleRanking->scores[row.index];
        }
        const Track& track = tracks[row.index];
        const std::optional<TempoFit> fit = tempoFitOf(reference, track);
        row.heardKey = heardKeyOf(reference, track, fit);
        const std::optional<CamelotKey> key = judgedKey(row.heardKey, track);
        row.move = recommendation::keyMove(reference.key, key);
        if (!reference.tempo) {
            continue;
        }
        row.score = score(reference, row.index, track, key, fit, genres);
        if (tempoMode && fit) {
            row.pitch = PitchAdjustment{fit->multiple, (*reference.tempo / fit->bpm - 1) * 100};
        }
    }
    shareAmongEqualIDs(library, rows);
    if (styleRanking || !reference.tempo) {
        return rows;
    }
    std::sort(rows.begin(), rows.end(), [&](const ListRow& a, const ListRow& b) {
        if (*a.score != *b.score) {
            return *a.score > *b.score;
        }
        const Track& first = tracks[a.index];
        const Track& second = tracks[b.index];
        if (first.year != second.year) {
            // A missing year sorts below every year.
            return first.year && (!second.year || *first.year > *second.year);
        }
        return library.alphabeticalRank(a.index) < library.alphabeticalRank(b.index);
    });
    return rows;
}

} // namespace

Result compute(const PreparedLibrary& library, const std::optional<Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText,
               const ListModes& modes, const LiveInputs& live) {
    const Reference reference = makeReference(sourceTrack, modes, live);
    const FilterTest filter(reference, selections);
    const SetMemory setMemory(library, reference, modes, live);
    const std::string query = PreparedLibrary::foldForSearch(text::trim(searchText));

    // The style's ranking of the collection runs beside the filtering: each costs a few
    // milliseconds for a large collection.
    std::future<std::shared_ptr<const style::StyleRanking>> styleRanking;
    if (reference.style) {
        const auto rankOnce = [&reference] { return reference.style->rankOnce(*reference.source); };
        try {
            styleRanking = std::async(std::launch::async, rankOnce);
        } catch (const std::system_error&) {
            // No thread to be had: in turn, then.
            styleRanking = std::async(std::launch::deferred, rankOnce);
        }
    }
    Result result;
    std::vector<std::size_t> listed =
        filterAndCount(library, scope(library, modes), filter, setMemory, query, result);
    result.rows = rank(library, reference, modes.tempoMode(), std::move(listed),
                       styleRanking.valid() ? styleRanking.get() : nullptr);
    return result;
}

} // namespace cuevox::tracklist::TrackListComputation
