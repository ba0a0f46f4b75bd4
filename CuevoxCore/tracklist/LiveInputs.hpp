#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::style {
class StyleModel;
}

namespace cuevox::tracklist {

// What the decks tell the list during a set, beside the playing track itself.
struct LiveInputs {
    // The tempo the source deck shows, pitch fader applied; used only in the tempo mode or
    // without key lock, and only when it is a finite number above 0.
    std::optional<double> sourceDeckBPM;
    // Each track id once, in the order first played, oldest first.
    std::vector<std::string> playedTrackIDs;
    // What this DJ's collection and sets say, prepared for the collection the list reads;
    // it ranks the list in the style mode.
    std::shared_ptr<const style::StyleModel> style = nullptr;

    bool operator==(const LiveInputs&) const = default;
};

} // namespace cuevox::tracklist
