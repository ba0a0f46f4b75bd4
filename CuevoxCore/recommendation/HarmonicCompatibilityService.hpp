#pragma once

#include "metadata/CamelotKey.hpp"
#include "recommendation/HarmonicRelation.hpp"

// Classifies the step between two Camelot keys and scores it; stateless.
namespace cuevox::recommendation::HarmonicCompatibilityService {

struct Result {
    HarmonicRelation relation;
    double score; // 100, 90, 80, 70, 65 or 0

    bool operator==(const Result&) const = default;
};

// The step from `from` (playing) to `to` (candidate).
Result evaluate(metadata::CamelotKey from, metadata::CamelotKey to);

} // namespace cuevox::recommendation::HarmonicCompatibilityService
