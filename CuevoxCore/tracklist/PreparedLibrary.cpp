#include "tracklist/PreparedLibrary.hpp"

#include "recommendation/AlphabeticalKey.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace cuevox::tracklist {
namespace {

// No DJ tempo comes near this; a larger value is garbage that must not create millions of
// buckets.
constexpr double kMaxBucketedBPM = 1000.0;

std::vector<std::string> distinctGenres(const std::vector<metadata::Track>& tracks) {
    std::unordered_set<std::string> seen;
    std::vector<std::pair<std::string, std::string>> byNFC; // (NFC form, text as written)
    for (const metadata::Track& track : tracks) {
        if (track.genre && seen.insert(*track.genre).second) {
            byNFC.emplace_back(text::normalizeNFC(*track.genre), *track.genre);
        }
    }
    std::sort(byNFC.begin(), byNFC.end());
    std::vector<std::string> names;
    names.reserve(byNFC.size());
    for (auto& [normalized, name] : byNFC) {
        names.push_back(std::move(name));
    }
    return names;
}

// Ids may repeat on both sides: every track with a listed id belongs to the playlist, and
// playlists that share an id share their tracks.
std::map<std::string, std::vector<std::size_t>, std::less<>>
tracksByPlaylist(const std::vector<metadata::Track>& tracks,
                 const std::vector<metadata::Playlist>& playlists) {
    std::unordered_map<std::string_view, std::vector<std::size_t>> positionsByID;
    for (std::size_t index = 0; index < tracks.size(); ++index) {
        positionsByID[tracks[index].id].push_back(index);
    }
    std::map<std::string, std::vector<std::size_t>, std::less<>> byPlaylist;
    for (const metadata::Playlist& playlist : playlists) {
        std::vector<std::size_t>& members = byPlaylist[playlist.id];
        for (const std::string& trackID : playlist.trackIDs) {
            if (const auto found = positionsByID.find(trackID); found != positionsByID.end()) {
                members.insert(members.end(), found->second.begin(), found->second.end());
            }
        }
    }
    for (auto& [id, members] : byPlaylist) {
        std::sort(members.begin(), members.end());
        members.erase(std::unique(members.begin(), members.end()), members.end());
    }
    return byPlaylist;
}

} // namespace

std::optional<BPMRange> bucketOf(double bpm) {
    if (!(bpm >= 0 && bpm < kMaxBucketedBPM)) {
        return std::nullopt;
    }
    return BPMRange{static_cast<int>(std::trunc(bpm)) / 10 * 10};
}

std::vector<BPMRange> makeBPMRangeBuckets(const std::vector<metadata::Track>& tracks) {
    std::optional<int> lowest;
    std::optional<int> highest;
    for (const metadata::Track& track : tracks) {
        if (const std::optional<BPMRange> bucket =
                track.bpm ? bucketOf(*track.bpm) : std::nullopt) {
            lowest = std::min(lowest.value_or(bucket->lowerBound), bucket->lowerBound);
            highest = std::max(highest.value_or(bucket->lowerBound), bucket->lowerBound);
        }
    }
    std::vector<BPMRange> buckets;
    for (int bound = lowest.value_or(0); lowest && bound <= *highest; bound += 10) {
        buckets.push_back(BPMRange{bound});
    }
    return buckets;
}

PreparedLibrary::PreparedLibrary(std::vector<metadata::Track> tracks)
    : PreparedLibrary(std::move(tracks), {}) {}

PreparedLibrary::PreparedLibrary(std::vector<metadata::Track> tracks,
                                 const std::vector<metadata::Playlist>& playlists)
    : m_tracks(std::move(tracks)), m_playlistTracks(tracksByPlaylist(m_tracks, playlists)),
      m_genreNames(distinctGenres(m_tracks)), m_buckets(makeBPMRangeBuckets(m_tracks)),
      m_deckIndex(m_tracks) {
    std::unordered_set<std::string_view> listed;
    for (const metadata::Playlist& playlist : playlists) {
        if (listed.insert(playlist.id).second) {
            m_playlistIDs.push_back(playlist.id);
        }
    }
    std::unordered_map<std::string_view, std::size_t> groupOfID;
    m_idGroups.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        m_idGroups.push_back(groupOfID.try_emplace(track.id, groupOfID.size()).first->second);
    }
    m_idGroupCount = groupOfID.size();
    m_foldedTitles.reserve(m_tracks.size());
    m_foldedArtists.reserve(m_tracks.size());
    m_artistKeys.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        m_foldedTitles.push_back(foldForSearch(track.title));
        m_foldedArtists.push_back(foldForSearch(track.artist));
        m_artistKeys.push_back(artistKeyOf(track.artist));
    }
    // Normalised once here rather than twice per comparison of the sort.
    std::vector<recommendation::AlphabeticalKey> keys;
    keys.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        keys.emplace_back(track);
    }
    std::vector<std::size_t> order(m_tracks.size());
    for (std::size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    m_alphabeticalRanks.resize(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        m_alphabeticalRanks[order[rank]] = rank;
    }
}

std::string PreparedLibrary::foldForSearch(std::string_view text) {
    return text::foldCase(text);
}

std::string PreparedLibrary::artistKeyOf(std::string_view artist) {
    return text::normalizeNFC(text::toLower(text::trim(artist)));
}

std::optional<std::span<const std::size_t>>
PreparedLibrary::playlistTracks(std::string_view id) const {
    const auto found = m_playlistTracks.find(id);
    if (found == m_playlistTracks.end()) {
        return std::nullopt;
    }
    return std::span<const std::size_t>(found->second);
}

bool PreparedLibrary::matchesSearch(std::size_t index, std::string_view foldedQuery) const {
    return m_foldedTitles[index].find(foldedQuery) != std::string::npos ||
           m_foldedArtists[index].find(foldedQuery) != std::string::npos;
}

} // namespace cuevox::tracklist
