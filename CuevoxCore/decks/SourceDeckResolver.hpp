#pragma once

#include "decks/DeckState.hpp"

#include <optional>
#include <span>

// Chooses the deck whose track the recommendations follow.
namespace cuevox::decks::SourceDeckResolver {

// The one playing deck; among several playing decks the first master, else the first on air,
// else the first; with none playing the first loaded deck. Empty decks are never chosen, and
// remaining ties go to the earliest state of `states`.
std::optional<DeckState> resolveSource(std::span<const DeckState> states);

} // namespace cuevox::decks::SourceDeckResolver
