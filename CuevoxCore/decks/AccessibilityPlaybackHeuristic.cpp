#include "decks/AccessibilityPlaybackHeuristic.hpp"

#include <algorithm>

namespace cuevox::decks::AccessibilityPlaybackHeuristic {
namespace {

std::span<const std::string> slice(std::span<const std::string> texts, std::size_t start,
                                   std::size_t size) {
    if (start >= texts.size()) {
        return {};
    }
    return texts.subspan(start, std::min(size, texts.size() - start));
}

} // namespace

bool isLikelyPlaying(std::span<const std::string> before, std::span<const std::string> after,
                     std::size_t beforeWindowStart, std::size_t afterWindowStart,
                     std::size_t windowSize) {
    const auto first = slice(before, beforeWindowStart, windowSize);
    const auto second = slice(after, afterWindowStart, windowSize);
    return !std::ranges::equal(first, second);
}

} // namespace cuevox::decks::AccessibilityPlaybackHeuristic
