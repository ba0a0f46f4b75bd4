#pragma once

#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"

#include <vector>

namespace cuevox::metadata {

// What reading a collection file yields: tracks in file order, playlists in the order their
// elements close.
struct RekordboxLibrary {
    std::vector<Track> tracks;
    std::vector<Playlist> playlists;
};

} // namespace cuevox::metadata
