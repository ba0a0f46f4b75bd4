#pragma once

#include "decks/DeckTrackCandidate.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <optional>
#include <span>
#include <string>
#include <vector>

// Finds the deck blocks in the flat list of texts that rekordbox's window shows, in tree order.
namespace cuevox::decks::AccessibilityTrackPatternMatcher {

// The text rekordbox shows on a deck with no track.
inline constexpr std::string_view kEmptyDeckMarker = "Not Loaded.";

// One deck found on screen: a loaded deck with its block, or an empty one.
struct DeckSlotState {
    // Absent for a deck that shows the empty marker.
    std::optional<DeckTrackCandidate> candidate;

    static DeckSlotState loaded(DeckTrackCandidate candidate) { return {std::move(candidate)}; }
    static DeckSlotState empty() { return {}; }

    bool isLoaded() const { return candidate.has_value(); }

    bool operator==(const DeckSlotState&) const = default;
};

// Loaded and empty decks in screen order. Blocks never overlap; a marker that starts a valid
// block is read as a title. A tempo of dashes or zero is a deck without a tempo, a key of
// dashes or blanks one without a key; other keys must read in `keyNotation`.
std::vector<DeckSlotState> extractDeckSlots(std::span<const std::string> texts,
                                            metadata::KeyNotationOptions keyNotation = {});

// A slot and the index of its first text: the title, or the empty marker.
struct PlacedDeckSlot {
    DeckSlotState slot;
    std::size_t start = 0;

    bool operator==(const PlacedDeckSlot&) const = default;
};

// Whether a text reads as a deck's tempo (or its placeholder), or as a key (any notation): what
// a window may show of itself without showing whose tracks it holds.
bool isTempoText(const std::string& text);
bool isKeyText(const std::string& text);

// The slots of extractDeckSlots with where each begins.
std::vector<PlacedDeckSlot> extractPlacedDeckSlots(std::span<const std::string> texts,
                                                   metadata::KeyNotationOptions keyNotation = {});

// The loaded decks only: always the candidates of extractDeckSlots on the same texts.
std::vector<DeckTrackCandidate> extractCandidates(std::span<const std::string> texts,
                                                  metadata::KeyNotationOptions keyNotation = {});

} // namespace cuevox::decks::AccessibilityTrackPatternMatcher
