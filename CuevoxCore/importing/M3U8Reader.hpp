#pragma once

#include "importing/LoadError.hpp"

#include <tl/expected.hpp>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Reads the playlist files rekordbox exports, such as its HISTORY playlists (Export a playlist
// to a file for KUVO, m3u8): each entry is a file, by path or file URL.
namespace cuevox::importing::M3U8Reader {

struct M3U8Playlist {
    // The file's name without its extension: rekordbox names a history "HISTORY 2024-05-17".
    std::string name;
    // Each entry's file, in order: a file URL decoded to its path, any other line as written.
    std::vector<std::string> locations;

    bool operator==(const M3U8Playlist&) const = default;
};

// The entries of the file's text: every line that is neither blank nor a # directive.
std::vector<std::string> parseLocations(std::string_view text);

tl::expected<M3U8Playlist, FileReadError> read(const std::filesystem::path& path);

} // namespace cuevox::importing::M3U8Reader
