#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace cuevox::decks {

// One of rekordbox's four decks. The n-th deck block found on screen is the n-th case.
enum class DeckIdentifier { deck1, deck2, deck3, deck4 };

inline constexpr std::array<DeckIdentifier, 4> kAllDeckIdentifiers{
    DeckIdentifier::deck1, DeckIdentifier::deck2, DeckIdentifier::deck3, DeckIdentifier::deck4};

// "deck1" to "deck4"; where decks are ordered, these texts ascending give the order.
constexpr std::string_view rawValue(DeckIdentifier deck) {
    switch (deck) {
    case DeckIdentifier::deck1: return "deck1";
    case DeckIdentifier::deck2: return "deck2";
    case DeckIdentifier::deck3: return "deck3";
    case DeckIdentifier::deck4: return "deck4";
    }
    return "deck1";
}

// The deck's label in every interface language: "DECK 1" to "DECK 4".
constexpr std::string_view displayName(DeckIdentifier deck) {
    switch (deck) {
    case DeckIdentifier::deck1: return "DECK 1";
    case DeckIdentifier::deck2: return "DECK 2";
    case DeckIdentifier::deck3: return "DECK 3";
    case DeckIdentifier::deck4: return "DECK 4";
    }
    return "DECK 1";
}

// Exactly one of the four raw values, case-sensitive; nothing for anything else.
constexpr std::optional<DeckIdentifier> deckIdentifierFromRawValue(std::string_view text) {
    for (const DeckIdentifier deck : kAllDeckIdentifiers) {
        if (rawValue(deck) == text) {
            return deck;
        }
    }
    return std::nullopt;
}

} // namespace cuevox::decks
