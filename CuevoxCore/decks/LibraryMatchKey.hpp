#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace cuevox::decks {

// How a deck's artist and title are compared with a collection track's: each trimmed,
// fully lower-cased and brought to NFC. The two parts stay apart, so an artist "A::B" with
// title "C" is not the artist "A" with title "B::C".
struct LibraryMatchKey {
    std::string artist;
    std::string title;

    static LibraryMatchKey of(std::string_view artist, std::string_view title);

    bool operator==(const LibraryMatchKey&) const = default;
};

} // namespace cuevox::decks

template <>
struct std::hash<cuevox::decks::LibraryMatchKey> {
    std::size_t operator()(const cuevox::decks::LibraryMatchKey& key) const noexcept;
};
