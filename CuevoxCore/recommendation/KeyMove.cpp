#include "recommendation/KeyMove.hpp"

namespace cuevox::recommendation {

KeyMove keyMove(metadata::CamelotKey from, metadata::CamelotKey to) {
    // Clockwise steps from `from` to `to`, 0 to 11.
    const int steps = ((to.number() - from.number()) % 12 + 12) % 12;
    if (to.letter() == from.letter()) {
        switch (steps) {
        case 0: return KeyMove::same;
        case 1: return KeyMove::plusOne;
        case 11: return KeyMove::minusOne;
        case 2: return KeyMove::boost;
        case 10: return KeyMove::minusTwo;
        case 7: return KeyMove::semitoneUp;
        case 5: return KeyMove::semitoneDown;
        default: return KeyMove::clash;
        }
    }
    if (steps == 0) {
        return KeyMove::relative;
    }
    if (steps == 1 || steps == 11) {
        return KeyMove::diagonal;
    }
    // A minor tonic sits three steps before its major on the wheel: 8A is A, 11B is A major.
    const bool fromMinor = from.letter() == metadata::CamelotLetter::a;
    if (steps == (fromMinor ? 3 : 9)) {
        return KeyMove::parallel;
    }
    return KeyMove::clash;
}

std::string_view nameOf(KeyMove move) {
    switch (move) {
    case KeyMove::same: return "same";
    case KeyMove::relative: return "relative";
    case KeyMove::plusOne: return "plusOne";
    case KeyMove::minusOne: return "minusOne";
    case KeyMove::diagonal: return "diagonal";
    case KeyMove::boost: return "boost";
    case KeyMove::minusTwo: return "minusTwo";
    case KeyMove::parallel: return "parallel";
    case KeyMove::semitoneUp: return "semitoneUp";
    case KeyMove::semitoneDown: return "semitoneDown";
    case KeyMove::clash: return "clash";
    }
    return "clash";
}

} // namespace cuevox::recommendation
