#pragma once

#include "metadata/Track.hpp"

#include <span>
#include <string_view>

// Finds the collection track that a deck shows, by artist and title (see LibraryMatchKey).
namespace cuevox::decks::LibraryTrackResolver {

// The first track of `tracks` in order whose artist and title match, or null. The result
// points into `tracks`. One pass that normalises every track: for repeated look-ups in one
// collection, build a LibraryTrackIndex once.
const metadata::Track* resolve(std::string_view title, std::string_view artist,
                               std::span<const metadata::Track> tracks);

} // namespace cuevox::decks::LibraryTrackResolver
