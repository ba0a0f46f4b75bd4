#pragma once

#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"

#include <string_view>
#include <vector>

namespace cuevox::metadata {

// What reading a collection file yields: tracks in file order, playlists in the order their
// elements close, and the levels of the playlist tree in the order their elements open.
struct RekordboxLibrary {
    std::vector<Track> tracks;
    std::vector<Playlist> playlists;
    std::vector<PlaylistNode> playlistNodes = {};

    // The names of the levels from the top down to `node` of `nodes`.
    static std::vector<std::string_view> pathOf(const std::vector<PlaylistNode>& nodes,
                                                std::size_t node);
};

} // namespace cuevox::metadata
