#pragma once

#include "Output.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"

#include <chrono>
#include <string>

namespace cuevox::cli {

// "2024-03-09".
std::string isoDate(std::chrono::sys_days day);

// All 15 fields in declaration order; absent values are null.
Json trackJson(const metadata::Track& track);
Json playlistJson(const metadata::Playlist& playlist);

} // namespace cuevox::cli
