#include "recommendation/HarmonicCompatibilityService.hpp"

namespace cuevox::recommendation::HarmonicCompatibilityService {

Result evaluate(metadata::CamelotKey from, metadata::CamelotKey to) {
    const bool sameNumber = to.number() == from.number();
    const bool sameLetter = to.letter() == from.letter();
    const bool oneStep =
        to.number() == from.neighbor(1).number() || to.number() == from.neighbor(-1).number();
    if (sameNumber) {
        return sameLetter ? Result{HarmonicRelation::same, 100}
                          : Result{HarmonicRelation::relative, 90};
    }
    if (sameLetter && oneStep) {
        return {HarmonicRelation::adjacent, 80};
    }
    // Only two steps forward lifts the energy; two back or a fifth away does not.
    if (sameLetter && to.number() == from.neighbor(2).number()) {
        return {HarmonicRelation::energyBoost, 65};
    }
    if (!sameLetter && oneStep) {
        return {HarmonicRelation::relativeAdjacent, 70};
    }
    return {HarmonicRelation::incompatible, 0};
}

} // namespace cuevox::recommendation::HarmonicCompatibilityService
