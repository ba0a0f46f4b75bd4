#pragma once

#include <cstddef>
#include <span>
#include <string>

// Tells a playing deck from a paused one: the texts after its block (elapsed and remaining
// time among them) change between two samples taken a moment apart.
namespace cuevox::decks::AccessibilityPlaybackHeuristic {

// True when the `windowSize` texts from `beforeWindowStart` in `before` differ from those from
// `afterWindowStart` in `after`; a window cut short by the end of its list is compared as it is.
bool isLikelyPlaying(std::span<const std::string> before, std::span<const std::string> after,
                     std::size_t beforeWindowStart, std::size_t afterWindowStart,
                     std::size_t windowSize);

} // namespace cuevox::decks::AccessibilityPlaybackHeuristic
