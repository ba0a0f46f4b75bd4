#pragma once

#include "metadata/CamelotKey.hpp"

#include <optional>
#include <string_view>

namespace cuevox::recommendation {

// The move a DJ makes from the playing key to the next one, named as DJs name them: the
// harmonic moves first, then the moves that leave the harmonic rules but that DJs still make.
// Finer than HarmonicRelation, which only scores.
enum class KeyMove {
    same,
    relative,
    plusOne,
    minusOne,
    // The other letter, one step either way.
    diagonal,
    // Two steps clockwise on the same letter: a whole tone up.
    boost,
    minusTwo,
    // The same tonic in the other mode, such as 8A (A minor) to 11B (A major).
    parallel,
    // Seven steps: the key a semitone up or down, as a pitch fader moves it.
    semitoneUp,
    semitoneDown,
    clash
};

// The move from `from` (playing) to `to`.
KeyMove keyMove(metadata::CamelotKey from, metadata::CamelotKey to);

// The move from a playing key to a candidate's, or nothing when either is missing.
inline std::optional<KeyMove> keyMove(const std::optional<metadata::CamelotKey>& from,
                                      const std::optional<metadata::CamelotKey>& to) {
    if (!from || !to) {
        return std::nullopt;
    }
    return keyMove(*from, *to);
}

// The English name the command line's JSON carries: "same", "plusOne", "semitoneDown", ...
std::string_view nameOf(KeyMove move);

} // namespace cuevox::recommendation
