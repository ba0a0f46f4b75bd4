#pragma once

#include "metadata/KeyNotationOptions.hpp"

namespace cuevox::importing {

// How a collection file is read; the defaults read it as rekordbox writes it.
struct LibraryReadOptions {
    // For the Tonality texts of the tracks.
    metadata::KeyNotationOptions keyNotation;

    bool operator==(const LibraryReadOptions&) const = default;
};

} // namespace cuevox::importing
