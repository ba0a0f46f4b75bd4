#pragma once

#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/RekordboxLibrary.hpp"
#include "metadata/Track.hpp"
#include "tracklist/BPMRange.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cuevox::tracklist {

// A loaded collection with what every list computation needs from it, worked out once per
// load: the search and artist keys of each track, the genre names, the tempo buckets and the
// tracks of each playlist.
class PreparedLibrary {
public:
    // A playlist as the DJ picks it: where it stands in the tree, and what it lists.
    struct Crate {
        // The joined path, as the command line names it; playlists may share one.
        std::string id;
        // The last level of its path in playlistNodes().
        std::size_t node = 0;
        // The tracks that every playlist with this id lists together.
        std::size_t trackCount = 0;
    };

    PreparedLibrary() = default;
    explicit PreparedLibrary(std::vector<metadata::Track> tracks);
    // A playlist whose node is not among `nodes` stands at the top, named by its id.
    PreparedLibrary(std::vector<metadata::Track> tracks, std::vector<metadata::Playlist> playlists,
                    std::vector<metadata::PlaylistNode> nodes = {});

    // What a stopped preparation had made, for a caller that would rather not wait while it
    // is freed.
    using Unfinished = std::function<void(std::unique_ptr<const PreparedLibrary>)>;

    // The same, prepared on a loading thread: nothing once `stop` is requested, which the
    // work looks at every few thousand tracks. What was made by then is freed here, or handed
    // to `unfinished` when given (freeing a million tracks takes most of a second).
    static std::shared_ptr<const PreparedLibrary> prepare(metadata::RekordboxLibrary library,
                                                          std::stop_token stop,
                                                          const Unfinished& unfinished = {});

    // The deck index borrows the tracks, so a copy would point into the original.
    PreparedLibrary(const PreparedLibrary&) = delete;
    PreparedLibrary& operator=(const PreparedLibrary&) = delete;

    const std::vector<metadata::Track>& tracks() const { return m_tracks; }

    // Finds what a deck shows: the first track by artist and title.
    const decks::LibraryTrackIndex& deckIndex() const { return m_deckIndex; }

    // Every distinct genre text once, case and spaces kept, in code-point order of the NFC
    // forms.
    const std::vector<std::string>& availableGenreNames() const { return m_genreNames; }
    const std::vector<BPMRange>& bpmRangeBuckets() const { return m_buckets; }

    // The track's place in alphabetical order (recommendation::AlphabeticalKey, ties by
    // collection order): sorting by it is sorting alphabetically without comparing a string.
    std::size_t alphabeticalRank(std::size_t index) const { return m_alphabeticalRanks[index]; }

    // Whether the track's title or artist contains `foldedQuery` (see foldForSearch).
    bool matchesSearch(std::size_t index, std::string_view foldedQuery) const;

    // Case-folded NFC text: containment of folded texts is case-insensitive containment.
    static std::string foldForSearch(std::string_view text);

    // artistKeyOf the track's artist, worked out once.
    const std::string& artistKey(std::size_t index) const { return m_artistKeys[index]; }

    // The artist trimmed, lower-cased and in NFC: two tracks by one artist share it.
    static std::string artistKeyOf(std::string_view artist);

    // The positions of the tracks that the playlists with this id list, ascending and each
    // once (every track with a listed TrackID); nothing when no playlist has the id.
    std::optional<std::span<const std::size_t>> playlistTracks(std::string_view id) const;
    // Every playlist id once, in the order of the file: the crates a DJ can pick.
    const std::vector<std::string>& playlistIDs() const { return m_playlistIDs; }
    // Every playlist in the order of the file, each at its own place in the tree.
    const std::vector<Crate>& crates() const { return m_crates; }
    // The playlists as read, their entries in the DJ's order: what a style model learns from.
    const std::vector<metadata::Playlist>& playlists() const { return m_playlists; }
    // The levels that the crates' paths name (see metadata::RekordboxLibrary::pathOf).
    const std::vector<metadata::PlaylistNode>& playlistNodes() const { return m_playlistNodes; }
    // How many playlists have this id.
    std::size_t playlistCount(std::string_view id) const;
    // The own name of the first playlist with this id, without its folders; empty when none.
    std::string_view playlistName(std::string_view id) const;

    // Tracks that share an id share a group, numbered from 0 in order of first appearance.
    std::size_t idGroup(std::size_t index) const { return m_idGroups[index]; }
    std::size_t idGroupCount() const { return m_idGroupCount; }
    bool hasRepeatedIDs() const { return m_idGroupCount < m_tracks.size(); }

private:
    PreparedLibrary(std::vector<metadata::Track> tracks, std::vector<metadata::Playlist> playlists,
                    std::vector<metadata::PlaylistNode> nodes, std::stop_token stop);
    bool prepareTracks(std::stop_token stop);
    bool prepareCrates(const std::vector<metadata::Playlist>& playlists, std::stop_token stop);

    struct ListedTracks {
        std::vector<std::size_t> positions;
        std::size_t playlists = 0;
        // The first playlist with the id, in m_crates, and the id's place in m_playlistIDs.
        std::size_t firstCrate = 0;
        std::size_t order = 0;
    };

    bool m_complete = false;
    std::vector<metadata::Track> m_tracks;
    std::vector<std::string> m_foldedTitles;
    std::vector<std::string> m_foldedArtists;
    std::vector<std::string> m_artistKeys;
    // Looked up by views as well as strings.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, ListedTracks, TextHash, std::equal_to<>> m_playlistTracks;
    std::vector<metadata::Playlist> m_playlists;
    std::vector<std::string> m_playlistIDs;
    std::vector<Crate> m_crates;
    std::vector<metadata::PlaylistNode> m_playlistNodes;
    std::vector<std::string> m_genreNames;
    std::vector<BPMRange> m_buckets;
    std::vector<std::size_t> m_alphabeticalRanks;
    std::vector<std::size_t> m_idGroups;
    std::size_t m_idGroupCount = 0;
    decks::LibraryTrackIndex m_deckIndex;
};

// The tempo buckets that cover every tempo of the tracks, gaps included.
std::vector<BPMRange> makeBPMRangeBuckets(const std::vector<metadata::Track>& tracks);

// The bucket a tempo counts under, or nothing for a tempo no bucket can hold.
std::optional<BPMRange> bucketOf(double bpm);

} // namespace cuevox::tracklist
