#pragma once

#include "importing/TrackAttributes.hpp"
#include "metadata/KeyNotationOptions.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::importing {

// Builds tracks and playlists from the element events of one parse. Reacts to "TRACK" and
// "NODE" wherever they stand; everything else passes by.
class CollectionParserDelegate {
public:
    // `documentSize` bounds how many tracks the document can hold and how long its playlists'
    // paths may be in all; `keyNotation` how the tracks' key texts may be written.
    explicit CollectionParserDelegate(std::size_t documentSize,
                                      metadata::KeyNotationOptions keyNotation = {});

    void startElement(std::string_view name, TrackAttributes attributes);
    void endElement(std::string_view name);

    // Why the document must not be read any further, once it must not.
    const std::optional<std::string>& refusal() const { return m_refusal; }

    std::vector<metadata::Track> takeTracks() { return std::move(m_tracks); }
    std::vector<metadata::Playlist> takePlaylists() { return std::move(m_playlists); }
    std::vector<metadata::PlaylistNode> takePlaylistNodes() { return std::move(m_nodes); }

private:
    // A node's own path is the first `pathLength` bytes of m_path while it is open, so a
    // level costs the same however deep it stands.
    struct NodeFrame {
        bool isPlaylist;
        std::size_t pathLength;
        // The last level of its path in m_nodes; none while the path is empty.
        std::optional<std::size_t> level;
        std::vector<std::string> trackIDs;
    };

    void startTrack(TrackAttributes attributes);
    void startNode(TrackAttributes attributes);
    void reserveTracks(std::optional<std::string_view> entries);

    std::size_t m_sizeHint;
    metadata::KeyNotationOptions m_keyNotation;
    // Each playlist holds its whole path, so the paths of nested playlists, or of many
    // playlists under one long folder name, could outgrow the document many times over.
    std::size_t m_playlistPathBudget;
    std::optional<std::string> m_refusal;

    std::vector<metadata::Track> m_tracks;
    // In the order in which their nodes close.
    std::vector<metadata::Playlist> m_playlists;
    // Every node that adds a level to the paths, in the order they open.
    std::vector<metadata::PlaylistNode> m_nodes;
    // The open nodes, outermost first, and the path of the innermost.
    std::vector<NodeFrame> m_nodeStack;
    std::string m_path;
};

} // namespace cuevox::importing
