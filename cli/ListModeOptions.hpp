#pragma once

#include "tracklist/ListModes.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <CLI/CLI.hpp>

#include <string>

namespace cuevox::cli {

// --pitch-range, --half-double, --energy-direction, --playlist, --hide-played, --vary-artists,
// --harmonic, --key-lock and --key-moves, the same for every command that lists around a
// playing track. `modes` must outlive the parse.
void addListModeOptions(CLI::App& command, tracklist::ListModes& modes);

// Whether the playlist that `modes` asks for, if any, is in the collection; prints the error
// line when it is not.
bool hasChosenPlaylist(const tracklist::PreparedLibrary& library, const tracklist::ListModes& modes,
                       const std::string& file);

} // namespace cuevox::cli
