#pragma once

#include "recommendation/BPMTolerance.hpp"
#include "recommendation/DimensionValues.hpp"
#include "recommendation/EnergyToleranceMode.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"
#include "recommendation/GenreCompatibilityProviding.hpp"
#include "recommendation/GenreMode.hpp"
#include "recommendation/HarmonicMode.hpp"

#include <cstddef>
#include <string>
#include <unordered_set>

namespace cuevox::recommendation {

// Everything a ranking depends on; no field has a default.
struct RecommendationSettings {
    RecommendationWeights weights;
    BPMTolerance bpmTolerance;
    GenreMode genreMode;
    AnyGenreCompatibility genreProvider;
    HarmonicMode harmonicMode;
    EnergyToleranceMode energyMode;
    // The most recommendations given back; unsigned, so it cannot be negative.
    std::size_t resultCount;
    std::unordered_set<std::string> excludedTrackIDs;
};

// What a DJ starts with: genre first, then tempo and key, energy last; strict key moves,
// energy within one step, genres only as themselves.
inline RecommendationSettings defaultRecommendationSettings(std::size_t resultCount = 20) {
    return {{0.35, 0.25, 0.25, 0.15},
            {0.15, 1.0},
            GenreMode::exactOnly,
            ExactGenreCompatibility{},
            HarmonicMode::strict,
            EnergyToleranceMode::plusMinus1,
            resultCount,
            {}};
}

} // namespace cuevox::recommendation
