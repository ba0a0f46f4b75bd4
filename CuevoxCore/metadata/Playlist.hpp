#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::metadata {

// One named level of the playlist tree as the file nests it: a folder, or a playlist (which
// rekordbox never nests, but a file may).
struct PlaylistNode {
    std::string name;
    // The level it stands in, as an index into RekordboxLibrary::playlistNodes, always below
    // its own; none at the top.
    std::optional<std::size_t> parent;

    bool operator==(const PlaylistNode&) const = default;
};

// A playlist of the collection. As read from a file, `id` and `name` both hold its folder
// path ("Sets/Friday"), and `trackIDs` its entries in file order, duplicates kept.
struct Playlist {
    std::string id;
    std::string name;
    std::vector<std::string> trackIDs;
    // The last level of its path in RekordboxLibrary::playlistNodes: its own node, or the one
    // it stands in when its name adds no level. The names from the top down to it are the
    // path that `id` joins with "/", where a name may hold a "/" of its own.
    std::size_t node = 0;

    bool operator==(const Playlist&) const = default;
};

} // namespace cuevox::metadata
