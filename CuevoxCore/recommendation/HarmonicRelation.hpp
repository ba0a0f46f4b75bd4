#pragma once

namespace cuevox::recommendation {

// The step from the playing key to a candidate key on the Camelot wheel; directed, so the step
// back may be another relation.
enum class HarmonicRelation {
    same,
    adjacent,
    relative,
    relativeAdjacent,
    energyBoost,
    incompatible
};

} // namespace cuevox::recommendation
