#include "recommendation/AlphabeticalKey.hpp"

#include "text/Text.hpp"

namespace cuevox::recommendation {

AlphabeticalKey::AlphabeticalKey(const metadata::Track& track)
    : m_artist(text::normalizeNFC(track.artist)), m_title(text::normalizeNFC(track.title)) {}

std::strong_ordering AlphabeticalKey::operator<=>(const AlphabeticalKey& other) const {
    if (const auto byArtist = text::compareCodePoints(m_artist, other.m_artist); byArtist != 0) {
        return byArtist;
    }
    return text::compareCodePoints(m_title, other.m_title);
}

} // namespace cuevox::recommendation
