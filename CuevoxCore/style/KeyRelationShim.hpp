#pragma once

// Stands in for the key relations the core is about to gain; removed when they land.

#include "metadata/CamelotKey.hpp"

namespace cuevox::recommendation {

enum class KeyRelation {
    same,
    relative,
    plusOne,
    minusOne,
    diagonal,
    boost,
    minusTwo,
    parallel,
    semitoneUp,
    semitoneDown,
    clash
};

inline KeyRelation keyRelation(metadata::CamelotKey from, metadata::CamelotKey to) {
    const int steps = ((to.number() - from.number()) % 12 + 12) % 12;
    if (to.letter() == from.letter()) {
        switch (steps) {
        case 0:
            return KeyRelation::same;
        case 1:
            return KeyRelation::plusOne;
        case 11:
            return KeyRelation::minusOne;
        case 2:
            return KeyRelation::boost;
        case 10:
            return KeyRelation::minusTwo;
        case 7:
            return KeyRelation::semitoneUp;
        case 5:
            return KeyRelation::semitoneDown;
        default:
            return KeyRelation::clash;
        }
    }
    if (steps == 0) {
        return KeyRelation::relative;
    }
    if (steps == 1 || steps == 11) {
        return KeyRelation::diagonal;
    }
    const bool parallel = from.letter() == metadata::CamelotLetter::a ? steps == 3 : steps == 9;
    return parallel ? KeyRelation::parallel : KeyRelation::clash;
}

} // namespace cuevox::recommendation
