#include "metadata/RekordboxLibrary.hpp"

#include <algorithm>

namespace cuevox::metadata {

std::vector<std::string_view> RekordboxLibrary::pathOf(const std::vector<PlaylistNode>& nodes,
                                                       std::size_t node) {
    std::vector<std::string_view> path;
    // Upwards by index, never recursively: a tree may be tens of thousands of levels deep.
    for (std::optional<std::size_t> level = node; level && *level < nodes.size();) {
        path.push_back(nodes[*level].name);
        const std::optional<std::size_t> parent = nodes[*level].parent;
        level = parent && *parent < *level ? parent : std::nullopt;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace cuevox::metadata
