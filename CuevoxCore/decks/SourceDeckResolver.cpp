#include "decks/SourceDeckResolver.hpp"

#include <vector>

namespace cuevox::decks::SourceDeckResolver {

std::optional<DeckState> resolveSource(std::span<const DeckState> states) {
    const DeckState* firstLoaded = nullptr;
    std::vector<const DeckState*> playing;
    for (const DeckState& state : states) {
        if (!state.track) {
            continue;
        }
        if (firstLoaded == nullptr) {
            firstLoaded = &state;
        }
        if (state.isPlaying) {
            playing.push_back(&state);
        }
    }
    if (playing.empty()) {
        return firstLoaded != nullptr ? std::optional<DeckState>(*firstLoaded) : std::nullopt;
    }
    for (const DeckState* state : playing) {
        if (state->isMaster) {
            return *state;
        }
    }
    for (const DeckState* state : playing) {
        if (state->isOnAir.value_or(false)) {
            return *state;
        }
    }
    return *playing.front();
}

} // namespace cuevox::decks::SourceDeckResolver
