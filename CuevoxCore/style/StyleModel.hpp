#pragma once

#include "importing/M3U8Reader.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"
#include "style/CrateIndex.hpp"
#include "style/Habits.hpp"
#include "style/ProvenPairs.hpp"
#include "style/SetPattern.hpp"
#include "style/StyleScore.hpp"
#include "style/StyleWeights.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cuevox::style {

// The collection ranked for a playing track.
struct StyleRanking {
    // One per collection track, in collection order: nothing for the playing track itself
    // (every track with its id) and for other files of the same recording.
    std::vector<std::optional<StyleScore>> scores;
    // The positions of the scored tracks, best first; scores equal to about seven digits keep
    // collection order.
    std::vector<std::uint32_t> order;
};

// What this DJ's own collection says about the next track: the crates that hold both tracks,
// how close their DateAdded are, how often one followed the other in the DJ's sets (set and
// history playlists, history files), the key and tempo moves the DJ makes, and the list's own
// score. Prepared once per collection, in memory linear in the tracks and entries; immutable
// afterwards, so one model may answer several threads.
class StyleModel {
public:
    // `histories` are files of sets played in order (rekordbox's exported HISTORY playlists),
    // matched to tracks by location. A playlist is a set when `sets` matches its name.
    StyleModel(std::span<const metadata::Track> tracks,
               std::span<const metadata::Playlist> playlists,
               std::span<const importing::M3U8Reader::M3U8Playlist> histories = {},
               const SetPattern& sets = {}, StyleWeights weights = {});

    StyleRanking rank(const metadata::Track& playing) const;
    // The same, worked out once while one track plays: a window lists again at every keystroke,
    // filter and tempo change. Safe to call from several threads.
    std::shared_ptr<const StyleRanking> rankOnce(const metadata::Track& playing) const;

    const Habits& habits() const { return m_habits; }
    // The distinct sets learnt from, and their transitions between two known tracks.
    std::size_t setCount() const { return m_setCount; }
    std::size_t transitionCount() const { return m_transitionCount; }

private:
    // What scoring reads of a track, packed.
    struct TrackData {
        double bpm = 0; // 0 when unknown
        std::optional<int> energy;
        std::int32_t day = 0;
        bool hasDay = false;
        // The place in the order of adding; -1 without a DateAdded.
        std::int32_t addedRank = -1;
        std::int8_t key = -1;       // 0-23, -1 when unknown
        std::int32_t genre = -1;    // folded genre id; -1 none, -2 an empty text
        std::int32_t recording = 0; // duplicate key id
        std::uint32_t firstWithID = 0;
    };
    struct PlayedSet;

    std::vector<std::optional<StyleScore>> scores(const metadata::Track& playing) const;
    void rankByAdding();
    void addSets(std::vector<PlayedSet> sets);
    std::optional<std::uint32_t> indexOf(std::string_view id) const;

    StyleWeights m_weights;
    std::vector<TrackData> m_tracks;
    std::unordered_map<std::string, std::uint32_t> m_indexByID;
    std::unordered_map<std::string, std::int32_t> m_recordingIDs;
    std::unordered_map<std::string, std::int32_t> m_genreIDs;
    CrateIndex m_crates;
    ProvenPairs m_pairs;
    // Every DateAdded, ascending: how many tracks came in around a day.
    std::vector<std::int32_t> m_sortedDays;
    Habits m_habits;
    std::size_t m_setCount = 0;
    std::size_t m_transitionCount = 0;

    mutable std::mutex m_lastGuard;
    mutable std::optional<metadata::Track> m_lastPlaying;
    mutable std::shared_ptr<const StyleRanking> m_lastRanking;
};

} // namespace cuevox::style
