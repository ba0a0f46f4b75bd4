#include "decks/LibraryTrackResolver.hpp"

#include "decks/LibraryMatchKey.hpp"

namespace cuevox::decks::LibraryTrackResolver {

const metadata::Track* resolve(std::string_view title, std::string_view artist,
                               std::span<const metadata::Track> tracks) {
    const LibraryMatchKey query = LibraryMatchKey::of(artist, title);
    for (const metadata::Track& track : tracks) {
        if (LibraryMatchKey::of(track.artist, track.title) == query) {
            return &track;
        }
    }
    return nullptr;
}

} // namespace cuevox::decks::LibraryTrackResolver
