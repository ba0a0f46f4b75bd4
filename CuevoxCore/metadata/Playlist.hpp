#pragma once

#include <string>
#include <vector>

namespace cuevox::metadata {

// A playlist of the collection. As read from a file, `id` and `name` both hold its folder
// path ("Sets/Friday"), and `trackIDs` its entries in file order, duplicates kept.
struct Playlist {
    std::string id;
    std::string name;
    std::vector<std::string> trackIDs;

    bool operator==(const Playlist&) const = default;
};

} // namespace cuevox::metadata
