#include "decks/LibraryMatchKey.hpp"

#include "metadata/HashCombine.hpp"
#include "text/Text.hpp"

namespace cuevox::decks {
namespace {

// NFC after lower-casing, so that equal keys are exactly the canonically equivalent ones.
std::string normalizePart(std::string_view text) {
    return text::normalizeNFC(text::toLower(text::trim(text)));
}

} // namespace

LibraryMatchKey LibraryMatchKey::of(std::string_view artist, std::string_view title) {
    return {normalizePart(artist), normalizePart(title)};
}

} // namespace cuevox::decks

std::size_t std::hash<cuevox::decks::LibraryMatchKey>::operator()(
    const cuevox::decks::LibraryMatchKey& key) const noexcept {
    std::size_t seed = 0;
    cuevox::metadata::hashCombine(seed, key.artist);
    cuevox::metadata::hashCombine(seed, key.title);
    return seed;
}
