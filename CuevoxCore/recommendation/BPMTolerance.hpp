#pragma once

namespace cuevox::recommendation {

// Tempo differences in beats per minute: up to `exact` is the same tempo, beyond `max` the
// candidate is refused. Stored as given, unchecked.
struct BPMTolerance {
    double exact;
    double max;

    bool operator==(const BPMTolerance&) const = default;
};

} // namespace cuevox::recommendation
