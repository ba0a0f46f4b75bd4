#include "tracklist/HeardKey.hpp"

#include <cmath>

namespace cuevox::tracklist {

bool HeardKey::isBetweenKeys() const {
    return std::abs(cents) >= 25;
}

std::optional<HeardKey> HeardKey::at(metadata::CamelotKey key, double playedBPM, double ownBPM) {
    if (!std::isfinite(playedBPM) || !std::isfinite(ownBPM) || playedBPM <= 0 || ownBPM <= 0) {
        return std::nullopt;
    }
    // semitones = 12 · log2(played / own). Half a semitone is +2.93 % up and −2.85 % down, a
    // whole one +5.95 % and −5.61 %; std::round takes halves away from zero.
    const double exact = 12 * std::log2(playedBPM / ownBPM);
    if (!std::isfinite(exact)) {
        return std::nullopt;
    }
    // Within ±25,000 even for the most extreme finite ratio, so the int holds it.
    const double rounded = std::round(exact);
    const int semitones = static_cast<int>(rounded);
    return HeardKey{key.transposed(semitones), semitones, (exact - rounded) * 100};
}

} // namespace cuevox::tracklist
