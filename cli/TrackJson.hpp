#pragma once

#include "Output.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/RekordboxLibrary.hpp"
#include "metadata/Track.hpp"

#include <chrono>
#include <string>
#include <vector>

namespace cuevox::cli {

// "2024-03-09".
std::string isoDate(std::chrono::sys_days day);

// All 15 fields in declaration order; absent values are null.
Json trackJson(const metadata::Track& track);
// Its path as the array of its folders' names and its own, from `nodes`.
Json playlistJson(const metadata::Playlist& playlist,
                  const std::vector<metadata::PlaylistNode>& nodes);

} // namespace cuevox::cli
