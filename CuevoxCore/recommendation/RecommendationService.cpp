#include "recommendation/RecommendationService.hpp"

#include "metadata/EnergyParser.hpp"
#include "metadata/MusicalKeyConverter.hpp"
#include "recommendation/AlphabeticalKey.hpp"
#include "recommendation/DuplicateKeySet.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace cuevox::recommendation {
namespace {

using metadata::Track;

double roundToOneDecimal(double score) {
    // std::round takes halves away from zero.
    return std::round(score * 10) / 10;
}

// Both passes are bound by memory, not by work: a track spans several cache lines, and the
// duplicate-key look-up reads the first bytes of every artist and title, which mostly live on
// the heap. Asking for them some tracks ahead (the track itself first, since the tags'
// addresses are in it) turns a cache miss per track into streaming.
constexpr std::size_t kPrefetchDistance = 16;

inline void prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

void prefetchTags(std::span<const Track> candidates, std::size_t index) {
    if (index + 2 * kPrefetchDistance < candidates.size()) {
        const Track& later = candidates[index + 2 * kPrefetchDistance];
        prefetch(&later.title);
        prefetch(&later.artist);
    }
    if (index + kPrefetchDistance < candidates.size()) {
        const Track& next = candidates[index + kPrefetchDistance];
        prefetch(next.artist.data());
        prefetch(next.title.data());
    }
}

// A candidate that passed, before its track is copied: only the best few are.
struct Scored {
    std::size_t candidate;
    double score;
    RecommendationScoreBreakdown breakdown;
    std::array<RecommendationReason, 4> reasons;
};

// The genre result depends only on the candidate's genre text once the source is fixed, and a
// collection holds few distinct genres, so each text is judged once per call.
class GenreResults {
public:
    GenreResults(const GenreMatcher& matcher, std::optional<std::string_view> sourceGenre)
        : m_matcher(matcher), m_sourceGenre(sourceGenre) {}

    std::optional<MatchResult> evaluate(const std::optional<std::string>& genre) {
        if (!genre) {
            return m_matcher.evaluate(m_sourceGenre, std::nullopt);
        }
        const auto [entry, inserted] = m_results.try_emplace(*genre);
        if (inserted) {
            entry->second = m_matcher.evaluate(m_sourceGenre, *genre);
        }
        return entry->second;
    }

private:
    const GenreMatcher& m_matcher;
    std::optional<std::string_view> m_sourceGenre;
    // Views into the candidates, which outlive this table.
    std::unordered_map<std::string_view, std::optional<MatchResult>> m_results;
};

// Orders by score, then year, then alphabetically, then candidate order, which makes an
// unstable sort give the stable result. The alphabetical keys are made only for entries that tie
// on score and year.
class RankingOrder {
public:
    RankingOrder(const std::vector<Scored>& scored, std::span<const Track> candidates)
        : m_scored(scored), m_candidates(candidates) {}

    bool operator()(std::size_t lhs, std::size_t rhs) {
        const Scored& a = m_scored[lhs];
        const Scored& b = m_scored[rhs];
        if (const double sa = rankable(a.score), sb = rankable(b.score); sa != sb) {
            return sa > sb;
        }
        const Track& ta = m_candidates[a.candidate];
        const Track& tb = m_candidates[b.candidate];
        if (ta.year != tb.year) {
            // std::optional orders a missing year below every year.
            return ta.year > tb.year;
        }
        if (const auto order = key(lhs) <=> key(rhs); order != 0) {
            return order < 0;
        }
        return a.candidate < b.candidate;
    }

private:
    // A NaN score (from infinite weights) ranks last rather than breaking the ordering.
    static double rankable(double score) {
        return std::isnan(score) ? -std::numeric_limits<double>::infinity() : score;
    }

    const AlphabeticalKey& key(std::size_t index) {
        if (m_keys.empty()) {
            m_keys.resize(m_scored.size());
        }
        if (!m_keys[index]) {
            m_keys[index].emplace(m_candidates[m_scored[index].candidate]);
        }
        return *m_keys[index];
    }

    const std::vector<Scored>& m_scored;
    std::span<const Track> m_candidates;
    std::vector<std::optional<AlphabeticalKey>> m_keys;
};

} // namespace

std::optional<metadata::CamelotKey> keyOf(const Track& track) {
    return track.camelotKey ? track.camelotKey
                            : metadata::MusicalKeyConverter::parseAnyKeyNotation(track.musicalKey);
}

std::optional<int> energyOf(const Track& track) {
    return track.energy ? track.energy : metadata::EnergyParser::parse(track.comment);
}

RecommendationService::RecommendationService(RecommendationSettings settings)
    : m_settings(std::move(settings)), m_genreMatcher{m_settings.genreProvider,
                                                      m_settings.genreMode},
      m_bpmMatcher{m_settings.bpmTolerance}, m_harmonicMatcher{m_settings.harmonicMode},
      m_energyMatcher{m_settings.energyMode}, m_scorer{m_settings.weights} {}

std::vector<Recommendation>
RecommendationService::recommendations(const Track& source,
                                       std::span<const Track> candidates) const {
    if (!source.bpm) {
        return {};
    }
    const double sourceBPM = *source.bpm;
    const std::optional<metadata::CamelotKey> sourceKey = keyOf(source);
    const std::optional<int> sourceEnergy = energyOf(source);
    const auto& excluded = m_settings.excludedTrackIDs;

    const auto eligible = [&](const Track& candidate) {
        return candidate.id != source.id && candidate.isValidCandidate() &&
               (excluded.empty() || !excluded.contains(candidate.id));
    };

    // First the tempo, genre and key tests, which few candidates pass.
    struct Passed {
        std::size_t candidate;
        MatchResult genre;
        MatchResult tempo;
        MatchResult harmonic;
    };
    std::vector<Passed> passed;
    GenreResults genres(m_genreMatcher, source.genre);
    for (std::size_t index = 0; index < candidates.size(); ++index) {
        if (index + kPrefetchDistance < candidates.size()) {
            prefetch(&candidates[index + kPrefetchDistance].bpm);
        }
        const Track& candidate = candidates[index];
        // All these tests are pure and any failure drops the candidate, so the cheap and
        // selective tempo test goes first: for most tracks it is the only line read.
        if (!candidate.bpm) {
            continue;
        }
        const std::optional<MatchResult> tempo = m_bpmMatcher.evaluate(sourceBPM, *candidate.bpm);
        if (!tempo || !eligible(candidate)) {
            continue;
        }
        const std::optional<MatchResult> genre = genres.evaluate(candidate.genre);
        if (!genre) {
            continue;
        }
        MatchResult harmonic{50, RecommendationReason::harmonicUnknown()};
        if (sourceKey) {
            if (const auto candidateKey = keyOf(candidate)) {
                const auto match = m_harmonicMatcher.evaluate(*sourceKey, *candidateKey);
                if (!match) {
                    continue;
                }
                harmonic = *match;
            }
        }
        passed.push_back({index, *genre, *tempo, harmonic});
    }

    // The first eligible candidate of a duplicate key claims it even when a later test drops
    // it. Only keys of passing candidates can hide one, so only those are kept: the set stays
    // small enough for the cache while every earlier candidate is looked up in it.
    DuplicateKeySet keys(passed.size() + 1);
    keys.insert(source);
    std::vector<std::size_t> passedOfKey{passed.size()}; // the source's key hides, owns nothing
    std::vector<bool> kept(passed.size(), false);
    std::size_t lastOwner = 0;
    for (std::size_t i = 0; i < passed.size(); ++i) {
        if (keys.insert(candidates[passed[i].candidate])) {
            passedOfKey.push_back(i);
            kept[i] = true;
            lastOwner = passed[i].candidate;
        }
    }
    if (passedOfKey.size() > 1) {
        for (std::size_t index = 0; index < lastOwner; ++index) {
            prefetchTags(candidates, index);
            const Track& candidate = candidates[index];
            // Only an eligible candidate claims a key; asked only of the few that hit.
            if (const std::optional<std::size_t> key = keys.find(candidate);
                key && *key > 0 && eligible(candidate)) {
                const std::size_t owner = passedOfKey[*key];
                if (passed[owner].candidate > index) {
                    kept[owner] = false;
                }
            }
        }
    }

    std::vector<Scored> scored;
    for (std::size_t i = 0; i < passed.size(); ++i) {
        if (!kept[i]) {
            continue;
        }
        const Passed& entry = passed[i];
        const MatchResult energy =
            m_energyMatcher.evaluate(sourceEnergy, energyOf(candidates[entry.candidate]));
        const double score = m_scorer.score(entry.genre.score, entry.tempo.score,
                                            entry.harmonic.score, energy.score);
        scored.push_back(
            {entry.candidate,
             roundToOneDecimal(score),
             {entry.genre.score, entry.tempo.score, entry.harmonic.score, energy.score},
             {entry.genre.reason, entry.tempo.reason, entry.harmonic.reason, energy.reason}});
    }

    std::vector<std::size_t> order(scored.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const std::size_t count = std::min(m_settings.resultCount, order.size());
    RankingOrder ranking(scored, candidates);
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
                      order.end(), std::ref(ranking));

    std::vector<Recommendation> result;
    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Scored& entry = scored[order[i]];
        result.push_back(
            {candidates[entry.candidate], entry.score, entry.breakdown,
             std::vector<RecommendationReason>(entry.reasons.begin(), entry.reasons.end())});
    }
    return result;
}

} // namespace cuevox::recommendation
