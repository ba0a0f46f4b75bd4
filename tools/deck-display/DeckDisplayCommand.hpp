#pragma once

#include <tl/expected.hpp>

#include <string>
#include <string_view>

namespace cuevox::tools {

// One line of the deck display's script, read from its standard input so that a test can
// play it as a DJ would play rekordbox.
struct DeckDisplayCommand {
    enum class Verb { load, loadNext, play, pause, toggle, eject, quit, flood };

    Verb verb = Verb::quit;
    // 1 to 4; 0 for quit and flood.
    int deck = 0;
    // For load: the collection's TrackID.
    std::string trackID;
    // For flood: changes of a label a second, and for how many seconds.
    int rate = 0;
    int seconds = 0;

    bool operator==(const DeckDisplayCommand&) const = default;
};

// "load <deck> <track id>", "next <deck>", "play <deck>", "pause <deck>", "toggle <deck>",
// "eject <deck>", "flood <changes a second> <seconds>" or "quit", words separated by blanks.
// The error says what is wrong.
tl::expected<DeckDisplayCommand, std::string> parseDeckDisplayCommand(std::string_view line);

} // namespace cuevox::tools
