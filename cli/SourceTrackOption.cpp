#include "SourceTrackOption.hpp"

#include "Output.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "text/Text.hpp"

namespace cuevox::cli {

void addSourceTrackOptions(CLI::App& command, SourceTrackOption& option) {
    CLI::Option* id = command.add_option("--id", option.id, "The playing track's TrackID");
    CLI::Option* title = command.add_option("--title", option.title, "The playing track's title");
    CLI::Option* artist =
        command.add_option("--artist", option.artist, "The playing track's artist");
    title->needs(artist)->excludes(id);
    artist->needs(title)->excludes(id);
}

void requireSourceTrack(const SourceTrackOption& option) {
    if (!option.given()) {
        throw CLI::RequiredError("the playing track (--id, or --title with --artist)");
    }
}

std::optional<metadata::Track> findSourceTrack(std::span<const metadata::Track> tracks,
                                               const SourceTrackOption& option,
                                               const std::string& file, std::string& message) {
    if (option.id) {
        for (const metadata::Track& track : tracks) {
            if (track.id == *option.id) {
                return track;
            }
        }
        message =
            "no track with id " + quotedInput(*option.id) + " in " + text::escapeForMessage(file);
        return std::nullopt;
    }
    if (const metadata::Track* track =
            decks::LibraryTrackIndex(tracks).find(*option.title, *option.artist)) {
        return *track;
    }
    message = "no track titled " + quotedInput(*option.title) + " by " +
              quotedInput(*option.artist) + " in " + text::escapeForMessage(file);
    return std::nullopt;
}

} // namespace cuevox::cli
