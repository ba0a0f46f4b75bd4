#include "style/StyleModel.hpp"

#include "importing/RekordboxMetadataMapper.hpp"
#include "recommendation/BPMMatcher.hpp"
#include "recommendation/EnergyMatcher.hpp"
#include "recommendation/HarmonicCompatibilityService.hpp"
#include "recommendation/RecommendationScorer.hpp"
#include "recommendation/RecommendationSettings.hpp"
#include "text/Regex.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>

namespace cuevox::style {
namespace {

using metadata::Track;
using recommendation::KeyMove;

constexpr std::uint32_t kUnknown = std::numeric_limits<std::uint32_t>::max();

// Tracks bought, sorted or prepared for the same gig are added one after another: closeness is
// 1 / (1 + the tracks added from one to the other / this), ½ for neighbours, fading slowly over
// a whole import.
constexpr double kAddedScaleTracks = 1.0;
// And within weeks of each other: closeness by days falls by e every 30 days, and counts less
// the more tracks came in around the playing one (a first import of the whole library says
// nothing).
constexpr double kAddedScaleDays = 30.0;
// Real exports list 93 to 100 % of their tracks on a day no earlier than the track before;
// a file in another order agrees about half the time.
constexpr double kFileOrderAgreement = 0.8;
// The other order is a weaker promise: the DJ may have a reason to play them one way round.
constexpr double kPrecededShare = 0.5;
// Taste drifts: a set a year older counts half.
constexpr double kSetHalfLifeDays = 365.0;

// The list's fixed matchers and weights, as the window scores with them.
const recommendation::RecommendationSettings kListSettings =
    recommendation::defaultRecommendationSettings();
const recommendation::BPMMatcher kListBPMMatcher{kListSettings.bpmTolerance};
const recommendation::EnergyMatcher kListEnergyMatcher{kListSettings.energyMode};
const recommendation::RecommendationScorer kListScorer{kListSettings.weights};

std::int8_t keyIndex(const std::optional<metadata::CamelotKey>& key) {
    if (!key) {
        return -1;
    }
    return static_cast<std::int8_t>((key->number() - 1) * 2 +
                                    (key->letter() == metadata::CamelotLetter::a ? 0 : 1));
}

metadata::CamelotKey keyAt(std::int8_t index) {
    return metadata::CamelotKey::allPositions()[static_cast<std::size_t>(index)];
}

// A history file names a track by its path as the system wrote it, the collection by a file
// URL: "C:\Music\a.mp3" and "/C:/Music/a.mp3" are one file, and so are two spellings that
// differ in case, as rekordbox's systems (macOS, Windows) do not tell case apart.
std::string locationKey(std::string_view location) {
    std::string path(location);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.size() >= 3 && path[0] == '/' && path[2] == ':') {
        path.erase(0, 1);
    }
    return text::foldCase(path);
}

// A date in the name ("HISTORY 2024-05-17", "2023-12-31 Club"), which says when it was played.
std::optional<std::int32_t> dayInName(std::string_view name) {
    static const text::Regex kDate(R"(\d{4}-\d{2}-\d{2})", "StyleModel");
    const std::optional<text::Regex::Match> match = kDate.search(name);
    if (!match) {
        return std::nullopt;
    }
    const auto day = importing::RekordboxMetadataMapper::parseDate(match->group(0));
    return day ? std::optional<std::int32_t>(day->time_since_epoch().count()) : std::nullopt;
}

} // namespace

struct StyleModel::PlayedSet {
    std::vector<std::uint32_t> tracks; // kUnknown where an entry is not in the collection
    std::optional<std::int32_t> day;
};

StyleModel::StyleModel(std::span<const Track> tracks, std::span<const metadata::Playlist> playlists,
                       std::span<const importing::M3U8Reader::M3U8Playlist> histories,
                       const SetPattern& sets, StyleWeights weights)
    : m_weights(weights) {
    m_tracks.reserve(tracks.size());
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Track& track = tracks[i];
        const auto index = static_cast<std::uint32_t>(i);
        const std::uint32_t firstWithID = m_indexByID.try_emplace(track.id, index).first->second;
        TrackData data;
        data.firstWithID = firstWithID;
        data.bpm = track.bpm && *track.bpm > 0 ? *track.bpm : 0;
        if (track.dateAdded) {
            data.day = static_cast<std::int32_t>(track.dateAdded->time_since_epoch().count());
            data.hasDay = true;
            m_sortedDays.push_back(data.day);
        }
        data.key = keyIndex(track.camelotKey);
        data.energy = track.energy;
        if (track.genre) {
            data.genre = track.genre->empty()
                             ? -2
                             : m_genreIDs
                                   .try_emplace(text::foldCase(*track.genre),
                                                static_cast<std::int32_t>(m_genreIDs.size()))
                                   .first->second;
        }
        data.recording =
            m_recordingIDs
                .try_emplace(track.duplicateKey(), static_cast<std::int32_t>(m_recordingIDs.size()))
                .first->second;
        m_tracks.push_back(data);
    }
    std::sort(m_sortedDays.begin(), m_sortedDays.end());
    rankByAdding();

    // Every playlist and history is a crate; a copy of one says nothing new.
    std::vector<PlayedSet> played;
    std::set<std::vector<std::uint32_t>> seenCrates;
    std::vector<std::vector<std::uint32_t>> crates;
    const auto addPlaylist = [&](std::vector<std::uint32_t> entries, std::string_view name,
                                 bool isSet) {
        if (!seenCrates.insert(entries).second) {
            return;
        }
        if (isSet) {
            played.push_back({entries, dayInName(name)});
        }
        std::erase(entries, kUnknown);
        std::sort(entries.begin(), entries.end());
        entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
        if (!entries.empty()) {
            crates.push_back(std::move(entries));
        }
    };
    for (const metadata::Playlist& playlist : playlists) {
        std::vector<std::uint32_t> entries;
        entries.reserve(playlist.trackIDs.size());
        for (const std::string& id : playlist.trackIDs) {
            entries.push_back(indexOf(id).value_or(kUnknown));
        }
        addPlaylist(std::move(entries), playlist.name, sets.matches(playlist.name));
    }
    // Folding every path costs a pass over the collection, so only when there are histories.
    std::unordered_map<std::string, std::uint32_t> indexByLocation;
    for (std::size_t i = 0; i < tracks.size() && !histories.empty(); ++i) {
        if (tracks[i].filepath && !tracks[i].filepath->empty()) {
            indexByLocation.try_emplace(locationKey(*tracks[i].filepath),
                                        static_cast<std::uint32_t>(i));
        }
    }
    for (const importing::M3U8Reader::M3U8Playlist& history : histories) {
        std::vector<std::uint32_t> entries;
        entries.reserve(history.locations.size());
        for (const std::string& location : history.locations) {
            const auto found = indexByLocation.find(locationKey(location));
            entries.push_back(found == indexByLocation.end() ? kUnknown : found->second);
        }
        addPlaylist(std::move(entries), history.name, true);
    }
    m_crates = CrateIndex(crates, m_tracks.size());
    addSets(std::move(played));
}

// rekordbox lists its collection in the order tracks were added, which tells apart tracks
// added the same day; DateAdded can say an earlier day (a track brought from other software
// keeps its own), so the file's order is trusted while its days mostly agree with it, and
// otherwise (a file sorted by another tool) the days alone order the tracks.
void StyleModel::rankByAdding() {
    std::size_t steps = 0;
    std::size_t forward = 0;
    std::optional<std::int32_t> previous;
    for (const TrackData& track : m_tracks) {
        if (track.hasDay) {
            if (previous) {
                ++steps;
                forward += track.day >= *previous ? 1 : 0;
            }
            previous = track.day;
        }
    }
    std::vector<std::uint32_t> byAdding;
    for (std::uint32_t i = 0; i < m_tracks.size(); ++i) {
        if (m_tracks[i].hasDay) {
            byAdding.push_back(i);
        }
    }
    if (static_cast<double>(forward) < kFileOrderAgreement * static_cast<double>(steps)) {
        std::stable_sort(
            byAdding.begin(), byAdding.end(),
            [this](std::uint32_t a, std::uint32_t b) { return m_tracks[a].day < m_tracks[b].day; });
    }
    for (std::size_t rank = 0; rank < byAdding.size(); ++rank) {
        m_tracks[byAdding[rank]].addedRank = static_cast<std::int32_t>(rank);
    }
}

std::optional<std::uint32_t> StyleModel::indexOf(std::string_view id) const {
    const auto found = m_indexByID.find(std::string(id));
    return found == m_indexByID.end() ? std::nullopt : std::optional(found->second);
}

void StyleModel::addSets(std::vector<PlayedSet> sets) {
    // A set without a date in its name was played after the newest track it holds was added.
    std::optional<std::int32_t> newest;
    for (PlayedSet& set : sets) {
        if (!set.day) {
            for (const std::uint32_t index : set.tracks) {
                if (index != kUnknown && m_tracks[index].hasDay) {
                    set.day = std::max(set.day.value_or(m_tracks[index].day), m_tracks[index].day);
                }
            }
        }
        if (set.day) {
            newest = std::max(newest.value_or(*set.day), *set.day);
        }
    }
    for (const TrackData& track : m_tracks) {
        if (track.hasDay) {
            newest = std::max(newest.value_or(track.day), track.day);
        }
    }

    std::vector<ProvenPairs::Transition> transitions;
    for (const PlayedSet& set : sets) {
        const double ageDays = set.day && newest ? *newest - *set.day : 0.0;
        const auto weight = static_cast<float>(std::exp2(-ageDays / kSetHalfLifeDays));
        bool counted = false;
        for (std::size_t i = 1; i < set.tracks.size(); ++i) {
            const std::uint32_t from = set.tracks[i - 1];
            const std::uint32_t to = set.tracks[i];
            if (from == kUnknown || to == kUnknown || from == to) {
                continue;
            }
            counted = true;
            transitions.push_back({from, to, weight});
            const TrackData& a = m_tracks[from];
            const TrackData& b = m_tracks[to];
            const std::optional<double> percent = tempoStepPercent(a.bpm, b.bpm);
            m_habits.addTransition(a.key >= 0 && b.key >= 0 ? std::optional(recommendation::keyMove(
                                                                  keyAt(a.key), keyAt(b.key)))
                                                            : std::nullopt,
                                   percent ? std::optional(tempoStepOf(*percent)) : std::nullopt);
        }
        m_setCount += counted ? 1 : 0;
    }
    m_transitionCount = transitions.size();
    m_pairs = ProvenPairs(std::move(transitions), m_tracks.size());
}

std::vector<std::optional<StyleScore>> StyleModel::scores(const Track& playing) const {
    const std::size_t count = m_tracks.size();
    std::vector<std::optional<StyleScore>> result(count);
    const std::optional<std::uint32_t> self = indexOf(playing.id);
    const auto recording = m_recordingIDs.find(playing.duplicateKey());

    // The evidence that only a few tracks have: shared crates and proven pairs.
    struct Evidence {
        float crates = 0;
        float followed = 0;
        float preceded = 0;
        int crateCount = 0;
        int followedCount = 0;
        int precededCount = 0;
    };
    std::vector<Evidence> evidence(self ? count : 0);
    if (self) {
        m_crates.forEachNeighbour(*self, [&evidence](std::uint32_t track, float weight) {
            evidence[track].crates += weight;
            ++evidence[track].crateCount;
        });
        for (const ProvenPairs::Neighbour& neighbour : m_pairs.of(*self)) {
            Evidence& e = evidence[neighbour.track];
            e.followed = neighbour.followed;
            e.preceded = neighbour.preceded;
            e.followedCount = static_cast<int>(neighbour.followedCount);
            e.precededCount = static_cast<int>(neighbour.precededCount);
        }
    }

    const std::int8_t playingKey = keyIndex(playing.camelotKey);
    const double playingBPM = playing.bpm && *playing.bpm > 0 ? *playing.bpm : 0;
    std::array<std::optional<KeyMove>, 24> moveTo{};
    std::array<double, 24> harmonicTo{};
    for (std::int8_t key = 0; key < 24 && playingKey >= 0; ++key) {
        moveTo[key] = recommendation::keyMove(keyAt(playingKey), keyAt(key));
        harmonicTo[key] =
            recommendation::HarmonicCompatibilityService::evaluate(keyAt(playingKey), keyAt(key))
                .score;
    }
    const auto excluded = [&](std::size_t index) {
        const TrackData& track = m_tracks[index];
        return (self && track.firstWithID == *self) ||
               (recording != m_recordingIDs.end() && track.recording == recording->second);
    };

    // The habits count by how much likelier the DJ makes a move than a random pick from the
    // collection would: the share of each move among the candidates is that pick.
    std::array<double, kKeyMoveCount> keyMoves{};
    std::array<double, kTempoStepCount> tempoSteps{};
    // Each candidate's tempo step, worked out once: NaN without one.
    std::vector<float> stepPercents(count, std::numeric_limits<float>::quiet_NaN());
    for (std::size_t index = 0; index < count; ++index) {
        const TrackData& track = m_tracks[index];
        if (excluded(index)) {
            continue;
        }
        if (track.key >= 0 && moveTo[track.key]) {
            ++keyMoves[static_cast<std::size_t>(*moveTo[track.key])];
        }
        if (const auto percent = tempoStepPercent(playingBPM, track.bpm)) {
            stepPercents[index] = static_cast<float>(*percent);
            ++tempoSteps[static_cast<std::size_t>(tempoStepOf(*percent))];
        }
    }
    const auto lifts = [](auto& counts, auto share) {
        const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
        const auto size = static_cast<double>(counts.size());
        for (std::size_t i = 0; i < counts.size(); ++i) {
            counts[i] = std::log(share(i)) - std::log((counts[i] + 1) / (total + size));
        }
    };
    lifts(keyMoves, [this](std::size_t i) { return m_habits.keyShare(KeyMove(i)); });
    lifts(tempoSteps, [this](std::size_t i) { return m_habits.tempoShare(TempoStep(i)); });

    const std::optional<std::int32_t> playingDay =
        playing.dateAdded ? std::optional(static_cast<std::int32_t>(
                                playing.dateAdded->time_since_epoch().count()))
                          : std::nullopt;
    const std::int32_t playingRank = self ? m_tracks[*self].addedRank : -1;
    // As plain values: GCC cannot follow an optional into the loop below.
    const bool hasPlayingDay = playingDay.has_value();
    const std::int32_t playingDayNumber = playingDay.value_or(0);
    double dayWeight = 0;
    if (playingDay) {
        const auto scale = static_cast<std::int32_t>(kAddedScaleDays);
        const auto around =
            std::upper_bound(m_sortedDays.begin(), m_sortedDays.end(), *playingDay + scale) -
            std::lower_bound(m_sortedDays.begin(), m_sortedDays.end(), *playingDay - scale);
        dayWeight = 1 / std::log2(2 + static_cast<double>(around));
    }
    // Closeness by days, looked up: past a year (e^-12) it is nothing.
    std::array<double, 366> byDays{};
    for (std::size_t days = 0; days < byDays.size(); ++days) {
        byDays[days] = dayWeight * std::exp(-static_cast<double>(days) / kAddedScaleDays);
    }

    const std::optional<std::int32_t> playingGenre = [&]() -> std::optional<std::int32_t> {
        if (!playing.genre) {
            return std::nullopt;
        }
        if (playing.genre->empty()) {
            return -2;
        }
        const auto found = m_genreIDs.find(text::foldCase(*playing.genre));
        return found == m_genreIDs.end() ? -3 : found->second;
    }();
    const auto listScore = [&](const TrackData& track) {
        const double genre = !playingGenre || track.genre == -1                   ? 50.0
                             : *playingGenre >= 0 && *playingGenre == track.genre ? 100.0
                                                                                  : 0.0;
        const auto tempo = kListBPMMatcher.evaluate(playingBPM, track.bpm);
        const double harmonic = playingKey >= 0 && track.key >= 0 ? harmonicTo[track.key] : 50.0;
        const double energy = kListEnergyMatcher.evaluate(playing.energy, track.energy).score;
        return kListScorer.score(genre, track.bpm > 0 && tempo ? tempo->score : 0.0, harmonic,
                                 energy);
    };

    const StyleWeights& w = m_weights;
    for (std::size_t index = 0; index < count; ++index) {
        if (excluded(index)) {
            continue;
        }
        const TrackData& track = m_tracks[index];
        StyleScore style;
        double strongest = 0;
        const auto add = [&](double contribution, StyleReason reason) {
            style.score += contribution;
            if (contribution > strongest) {
                strongest = contribution;
                style.reason = reason;
            }
        };
        if (self) {
            const Evidence& e = evidence[index];
            add(w.crates * e.crates,
                {.kind = StyleReason::Kind::sharedCrates, .count = e.crateCount});
            add(w.provenPairs * e.followed,
                {.kind = StyleReason::Kind::playedAfter, .count = e.followedCount});
            add(w.provenPairs * kPrecededShare * e.preceded,
                {.kind = StyleReason::Kind::playedBefore, .count = e.precededCount});
        }
        if (hasPlayingDay && track.hasDay) {
            StyleReason reason{.kind = StyleReason::Kind::addedTogether,
                               .count = std::abs(track.day - playingDayNumber)};
            const auto days = static_cast<std::size_t>(reason.count);
            double closeness = days < byDays.size() ? byDays[days] : 0.0;
            if (playingRank >= 0) {
                reason.between = std::abs(track.addedRank - playingRank) - 1;
                closeness += 1 / (1 + (*reason.between + 1) / kAddedScaleTracks);
            }
            add(w.addedTogether * closeness, reason);
        }
        if (track.key >= 0 && moveTo[track.key]) {
            const KeyMove move = *moveTo[track.key];
            add(w.habits * keyMoves[static_cast<std::size_t>(move)],
                {.kind = StyleReason::Kind::keyMove, .move = move});
        }
        if (const float percent = stepPercents[index]; !std::isnan(percent)) {
            add(w.habits * tempoSteps[static_cast<std::size_t>(tempoStepOf(percent))],
                {.kind = StyleReason::Kind::tempoMove, .number = percent});
        }
        if (playingBPM > 0) {
            const double list = listScore(track);
            add(w.listScore * list / 100, {.kind = StyleReason::Kind::listScore, .number = list});
        }
        result[index] = std::move(style);
    }
    return result;
}

StyleRanking StyleModel::rank(const Track& playing) const {
    StyleRanking ranking{scores(playing), {}};
    // One integer per track, sorted: the score's float bits made to order as integers, higher
    // scores first, then the position.
    std::vector<std::uint64_t> keys;
    keys.reserve(ranking.scores.size());
    for (std::uint32_t index = 0; index < ranking.scores.size(); ++index) {
        if (const std::optional<StyleScore>& style = ranking.scores[index]) {
            const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(-style->score));
            const std::uint32_t ordered = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
            keys.push_back(std::uint64_t{ordered} << 32 | index);
        }
    }
    // Least significant byte first over the score's 32 bits: each pass keeps the order of the
    // last, so equal scores stay in collection order. Four passes over 50,000 keys cost less
    // than a comparison sort's 16.
    std::vector<std::uint64_t> sorted(keys.size());
    for (int shift = 32; shift < 64; shift += 8) {
        std::array<std::size_t, 257> starts{};
        for (const std::uint64_t key : keys) {
            ++starts[((key >> shift) & 0xFF) + 1];
        }
        std::partial_sum(starts.begin(), starts.end(), starts.begin());
        for (const std::uint64_t key : keys) {
            sorted[starts[(key >> shift) & 0xFF]++] = key;
        }
        keys.swap(sorted);
    }
    ranking.order.reserve(keys.size());
    for (const std::uint64_t key : keys) {
        ranking.order.push_back(static_cast<std::uint32_t>(key));
    }
    return ranking;
}

std::shared_ptr<const StyleRanking> StyleModel::rankOnce(const Track& playing) const {
    const std::lock_guard lock(m_lastGuard);
    if (!m_lastRanking || m_lastPlaying != playing) {
        m_lastRanking = std::make_shared<const StyleRanking>(rank(playing));
        m_lastPlaying = playing;
    }
    return m_lastRanking;
}

} // namespace cuevox::style
