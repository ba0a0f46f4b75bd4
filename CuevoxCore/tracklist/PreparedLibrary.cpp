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

// How often a long loop over the tracks looks at a stop request: a few milliseconds of work.
constexpr std::size_t kTracksBetweenStopChecks = 4096;

bool stopAt(std::size_t index, const std::stop_token& stop) {
    return index % kTracksBetweenStopChecks == 0 && stop.stop_requested();
}

// std::stable_sort in runs, merged pairwise, so that a stop request ends it between two steps.
template <typename Less>
bool stableSort(std::vector<std::size_t>& order, Less less, const std::stop_token& stop) {
    constexpr std::size_t kRun = 16 * kTracksBetweenStopChecks;
    const auto at = [&order](std::size_t offset) {
        return order.begin() + static_cast<std::ptrdiff_t>(std::min(offset, order.size()));
    };
    for (std::size_t offset = 0; offset < order.size(); offset += kRun) {
        if (stop.stop_requested()) {
            return false;
        }
        std::stable_sort(at(offset), at(offset + kRun), less);
    }
    for (std::size_t width = kRun; width < order.size(); width *= 2) {
        for (std::size_t offset = 0; offset + width < order.size(); offset += 2 * width) {
            if (stop.stop_requested()) {
                return false;
            }
            std::inplace_merge(at(offset), at(offset + width), at(offset + 2 * width), less);
        }
    }
    return true;
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
                                 std::vector<metadata::Playlist> playlists,
                                 std::vector<metadata::PlaylistNode> nodes)
    : PreparedLibrary(std::move(tracks), std::move(playlists), std::move(nodes),
                      std::stop_token()) {}

PreparedLibrary::PreparedLibrary(std::vector<metadata::Track> tracks,
                                 std::vector<metadata::Playlist> playlists,
                                 std::vector<metadata::PlaylistNode> nodes, std::stop_token stop)
    : m_tracks(std::move(tracks)), m_playlists(std::move(playlists)),
      m_playlistNodes(std::move(nodes)) {
    m_complete = prepareTracks(stop) && prepareCrates(m_playlists, stop);
}

std::shared_ptr<const PreparedLibrary> PreparedLibrary::prepare(metadata::RekordboxLibrary library,
                                                                std::stop_token stop,
                                                                const Unfinished& unfinished) {
    std::unique_ptr<const PreparedLibrary> prepared(
        new PreparedLibrary(std::move(library.tracks), std::move(library.playlists),
                            std::move(library.playlistNodes), stop));
    if (prepared->m_complete) {
        return prepared;
    }
    if (unfinished) {
        unfinished(std::move(prepared));
    }
    return nullptr;
}

bool PreparedLibrary::prepareTracks(std::stop_token stop) {
    m_genreNames = distinctGenres(m_tracks);
    std::unordered_map<std::string_view, std::uint32_t> genreIndexes;
    for (const std::string& name : m_genreNames) {
        genreIndexes.emplace(name, static_cast<std::uint32_t>(genreIndexes.size()));
    }
    m_genreIndexes.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        if (stopAt(m_genreIndexes.size(), stop)) {
            return false;
        }
        m_genreIndexes.push_back(track.genre ? genreIndexes.at(*track.genre) : kNoGenre);
    }
    m_buckets = makeBPMRangeBuckets(m_tracks);
    std::unordered_map<std::string_view, std::size_t> groupOfID;
    m_idGroups.reserve(m_tracks.size());
    m_idHashes.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        if (stopAt(m_idGroups.size(), stop)) {
            return false;
        }
        m_idGroups.push_back(groupOfID.try_emplace(track.id, groupOfID.size()).first->second);
        m_idHashes.push_back(hashID(track.id));
    }
    m_idGroupCount = groupOfID.size();
    m_foldedTitles.reserve(m_tracks.size());
    m_foldedArtists.reserve(m_tracks.size());
    m_artistKeys.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        if (stopAt(m_artistKeys.size(), stop)) {
            return false;
        }
        m_foldedTitles.push_back(foldForSearch(track.title));
        m_foldedArtists.push_back(foldForSearch(track.artist));
        m_artistKeys.push_back(artistKeyOf(track.artist));
    }
    // Normalised once here rather than twice per comparison of the sort.
    std::vector<recommendation::AlphabeticalKey> keys;
    keys.reserve(m_tracks.size());
    for (const metadata::Track& track : m_tracks) {
        if (stopAt(keys.size(), stop)) {
            return false;
        }
        keys.emplace_back(track);
    }
    std::vector<std::size_t> order(m_tracks.size());
    for (std::size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    if (!stableSort(
            order, [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; }, stop)) {
        return false;
    }
    m_alphabeticalRanks.resize(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        m_alphabeticalRanks[order[rank]] = rank;
    }
    m_deckIndex = decks::LibraryTrackIndex(m_tracks, stop);
    return true;
}

// Ids may repeat on both sides: every track with a listed id belongs to the playlist, and
// playlists that share an id share their tracks. Each id is looked up once per crate, so ten
// thousand tracks sharing one id, listed ten thousand times, cost ten thousand positions.
bool PreparedLibrary::prepareCrates(const std::vector<metadata::Playlist>& playlists,
                                    std::stop_token stop) {
    // The ids every playlist of a crate lists, in the order of the crates' first playlists.
    std::vector<std::vector<std::string_view>> listedIDs;
    for (const metadata::Playlist& playlist : playlists) {
        if (stopAt(m_crates.size(), stop)) {
            return false;
        }
        ListedTracks& listed = m_playlistTracks[playlist.id];
        if (listed.playlists++ == 0) {
            listed.firstCrate = m_crates.size();
            listed.order = m_playlistIDs.size();
            m_playlistIDs.push_back(playlist.id);
            listedIDs.emplace_back();
        }
        std::vector<std::string_view>& ids = listedIDs[listed.order];
        ids.insert(ids.end(), playlist.trackIDs.begin(), playlist.trackIDs.end());
        std::size_t node = playlist.node;
        if (node >= m_playlistNodes.size()) {
            node = m_playlistNodes.size();
            m_playlistNodes.push_back(metadata::PlaylistNode{playlist.id, std::nullopt});
        }
        m_crates.push_back(Crate{playlist.id, node, 0});
    }
    // Only listed ids are kept: a collection of a million tracks needs no map of them all.
    std::unordered_map<std::string_view, std::vector<std::size_t>> positionsByID;
    for (const std::vector<std::string_view>& ids : listedIDs) {
        for (const std::string_view trackID : ids) {
            positionsByID.try_emplace(trackID);
        }
    }
    for (std::size_t index = 0; index < m_tracks.size() && !positionsByID.empty(); ++index) {
        if (stopAt(index, stop)) {
            return false;
        }
        if (const auto found = positionsByID.find(m_tracks[index].id);
            found != positionsByID.end()) {
            found->second.push_back(index);
        }
    }
    for (auto& [id, listed] : m_playlistTracks) {
        if (stop.stop_requested()) {
            return false;
        }
        std::vector<std::string_view>& ids = listedIDs[listed.order];
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        for (const std::string_view trackID : ids) {
            if (const auto found = positionsByID.find(trackID); found != positionsByID.end()) {
                listed.positions.insert(listed.positions.end(), found->second.begin(),
                                        found->second.end());
            }
        }
        // Distinct ids name distinct tracks, so nothing repeats.
        std::sort(listed.positions.begin(), listed.positions.end());
    }
    for (Crate& crate : m_crates) {
        crate.trackCount = m_playlistTracks.find(crate.id)->second.positions.size();
    }
    return true;
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
    return std::span<const std::size_t>(found->second.positions);
}

std::size_t PreparedLibrary::playlistCount(std::string_view id) const {
    const auto found = m_playlistTracks.find(id);
    return found == m_playlistTracks.end() ? 0 : found->second.playlists;
}

std::string_view PreparedLibrary::playlistName(std::string_view id) const {
    const auto found = m_playlistTracks.find(id);
    if (found == m_playlistTracks.end()) {
        return {};
    }
    return m_playlistNodes[m_crates[found->second.firstCrate].node].name;
}

bool PreparedLibrary::matchesSearch(std::size_t index, std::string_view foldedQuery) const {
    return m_foldedTitles[index].find(foldedQuery) != std::string::npos ||
           m_foldedArtists[index].find(foldedQuery) != std::string::npos;
}

} // namespace cuevox::tracklist
