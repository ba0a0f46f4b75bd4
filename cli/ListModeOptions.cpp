#include "ListModeOptions.hpp"

#include "ChoiceOption.hpp"
#include "Output.hpp"
#include "text/Text.hpp"

#include <array>
#include <optional>
#include <utility>

namespace cuevox::cli {
namespace {

constexpr std::array<Choice<bool>, 2> kKeyLock{{{"on", true}, {"off", false}}};

std::optional<tracklist::PitchRange> pitchRangeOf(const std::string& text) {
    const std::optional<long long> percent = text::parseInteger(text);
    return percent && std::in_range<int>(*percent)
               ? tracklist::PitchRange::fromPercent(static_cast<int>(*percent))
               : std::nullopt;
}

} // namespace

void addListModeOptions(CLI::App& command, tracklist::ListModes& modes) {
    command
        .add_option_function<std::string>(
            "--pitch-range",
            [&modes](const std::string& text) { modes.pitchRange = *pitchRangeOf(text); },
            "Match tempos the pitch fader reaches within P percent of the playing tempo: 0 "
            "(off, within 1 BPM), 2, 4, 6, 8 or 16; rows then show the pitch to set")
        ->check([](const std::string& text) {
            std::string ranges;
            for (std::size_t i = 0; i < tracklist::kPitchRangePercents.size(); ++i) {
                ranges += (i == 0                                           ? ""
                           : i + 1 == tracklist::kPitchRangePercents.size() ? " or "
                                                                            : ", ") +
                          std::to_string(tracklist::kPitchRangePercents[i]);
            }
            return pitchRangeOf(text)
                       ? std::string()
                       : "must be " + ranges + ", not \"" + text::excerpt(text) + "\"";
        })
        ->type_name("P");
    command.add_flag("--half-double", modes.halfDouble,
                     "Match tracks at twice or half the playing tempo too");
    addChoiceOption(command, "--energy-direction", modes.energyDirection,
                    tracklist::kEnergyDirectionNames,
                    "Aim at the playing energy (hold), one level above (up) or below (down) "
                    "(default hold)",
                    "DIRECTION");
    command
        .add_option("--playlist", modes.playlistID,
                    "Show only tracks of the playlist with this path, e.g. Crates/Peak")
        ->type_name("ID");
    command.add_flag("--hide-played", modes.hidePlayed,
                     "Leave out the tracks already played in this set");
    command.add_flag("--vary-artists", modes.varyArtists,
                     "Leave out the playing artist and those of the last three tracks played");
    addChoiceOption(command, "--harmonic", modes.harmonicStrictness,
                    tracklist::kHarmonicStrictnessNames,
                    "Which keys the automatic key filter lets through: strict (same, relative, "
                    "one step), balanced (also the diagonals and the +2 boost) or open (any key) "
                    "(default strict)");
    addChoiceOption(command, "--key-lock", modes.keyLock, kKeyLock,
                    "on (default): the decks keep each track's key whatever its tempo (MASTER "
                    "TEMPO); off: keys are judged as heard at the pitch each track plays at, "
                    "the playing one at --deck-bpm",
                    "on|off");
    command.add_flag("--key-moves", modes.keyMoves,
                     "Say how each row's key moves from the playing one: same, relative, +1, "
                     "diagonal, semitone up, ... (also with --harmonic balanced or open, or "
                     "--key-lock off)");
}

bool hasChosenPlaylist(const tracklist::PreparedLibrary& library, const tracklist::ListModes& modes,
                       const std::string& file) {
    if (const std::optional<std::string>& id = modes.playlistID;
        id && !library.playlistTracks(*id)) {
        printError("no playlist " + quotedInput(*id) + " in " + text::escapeForMessage(file));
        return false;
    }
    // "A/B" names a playlist B in a folder A and a playlist called "A/B" alike.
    if (const std::optional<std::string>& id = modes.playlistID;
        id && library.playlistCount(*id) > 1) {
        printError("note: " + std::to_string(library.playlistCount(*id)) +
                   " playlists have the path " + quotedInput(*id) +
                   "; listing the tracks of all of them");
    }
    return true;
}

} // namespace cuevox::cli
