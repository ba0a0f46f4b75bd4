#pragma once

#include "metadata/Track.hpp"

#include <CLI/CLI.hpp>

#include <optional>
#include <span>
#include <string>

namespace cuevox::cli {

// The playing track as the command line names it: `--id ID`, or `--title T --artist A`
// matched as a deck's texts are.
struct SourceTrackOption {
    std::optional<std::string> id;
    std::optional<std::string> title;
    std::optional<std::string> artist;

    bool given() const { return id || title; }
};

// Adds --id, --title and --artist to `command`, writing into `option`, which must outlive the
// parse. --title and --artist need each other; --id excludes both.
void addSourceTrackOptions(CLI::App& command, SourceTrackOption& option);

// For commands that cannot work without a playing track: a usage error when none is named.
void requireSourceTrack(const SourceTrackOption& option);

// The first track with the id, or the first whose artist and title match. When there is
// none, `message` says what was sought in `file`.
std::optional<metadata::Track> findSourceTrack(std::span<const metadata::Track> tracks,
                                               const SourceTrackOption& option,
                                               const std::string& file, std::string& message);

} // namespace cuevox::cli
