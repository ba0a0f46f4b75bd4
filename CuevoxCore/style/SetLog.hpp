#pragma once

#include "importing/M3U8Reader.hpp"
#include "metadata/Track.hpp"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::style {

// The DJ's own record of their sets, kept only when they ask for it: one M3U8 file a day
// ("Cuevox set 2026-12-08.m3u8", read back like rekordbox's exported histories), each track
// appended as it is played with its time. Every entry is one write to a file opened for
// appending and closed again, so a crash loses at most the entry being written, and an entry
// cut short by one never joins the next.
class SetLog {
public:
    explicit SetLog(std::filesystem::path folder);

    // Adds the track to the file of the day it was played (local time). Nothing to add for a
    // track without a file: sets are matched by location. The reason, with the file's name,
    // when the folder or the file cannot be written.
    std::optional<std::string> append(const metadata::Track& track,
                                      std::chrono::system_clock::time_point playedAt) const;

    // Every set in the folder, oldest day first; files that cannot be read are left out.
    std::vector<importing::M3U8Reader::M3U8Playlist> sets() const;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

} // namespace cuevox::style
