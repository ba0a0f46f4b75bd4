#pragma once

#include "metadata/CamelotKey.hpp"

#include <optional>

namespace cuevox::tracklist {

// The key a track sounds in when a deck plays it at another tempo with key lock off: speeding
// a record up raises its pitch.
struct HeardKey {
    metadata::CamelotKey key;
    // How far the tempo moved the key, to the nearest semitone.
    int semitones = 0;
    // Where the sound sits from `key`, -50 to +50 cents.
    double cents = 0;

    // A quarter semitone or more off `key`: between two keys, heard as neither.
    bool isBetweenKeys() const;

    // `key` played at `playedBPM` instead of `ownBPM`; nothing unless both are finite and
    // above 0.
    static std::optional<HeardKey> at(metadata::CamelotKey key, double playedBPM, double ownBPM);

    bool operator==(const HeardKey&) const = default;
};

} // namespace cuevox::tracklist
