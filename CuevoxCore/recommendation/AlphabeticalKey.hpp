#pragma once

#include "metadata/Track.hpp"

#include <compare>
#include <string>

namespace cuevox::recommendation {

// What tracks sort by when nothing else tells them apart: the artist, then the title, each by
// code point after NFC, so that a name exported decomposed sorts where its composed form does.
// The ranking and the window's list both order by it.
class AlphabeticalKey {
public:
    explicit AlphabeticalKey(const metadata::Track& track);

    std::strong_ordering operator<=>(const AlphabeticalKey& other) const;
    bool operator==(const AlphabeticalKey& other) const = default;

private:
    std::string m_artist;
    std::string m_title;
};

} // namespace cuevox::recommendation
