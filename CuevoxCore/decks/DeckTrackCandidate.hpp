#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace cuevox::decks {

// One deck's four-text block as read from the screen: title, artist, tempo and key.
struct DeckTrackCandidate {
    // Title, artist and key keep the screen's exact text, untrimmed.
    std::string title;
    std::string artist;
    // Absent when the deck shows dashes or a zero for the tempo.
    std::optional<double> bpm;
    std::string rawKey;
    // Index just past the key text: where the texts that follow this deck's block begin.
    std::size_t sourceEndIndex = 0;

    bool operator==(const DeckTrackCandidate&) const = default;
};

} // namespace cuevox::decks
