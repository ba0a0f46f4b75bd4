#include "decks/DeckMonitorConfiguration.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace cuevox::decks {

DeckMonitorConfiguration DeckMonitorConfiguration::rekordbox() {
    return {"com.pioneerdj.rekordboxdj", 0.25, 0.18, 3.0};
}

std::chrono::nanoseconds intervalNanoseconds(double seconds) {
    const double nanoseconds = seconds * 1e9;
    // 2^63 is exact in a double; anything from it up does not fit the signed count.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(nanoseconds) || nanoseconds < 0 || nanoseconds >= kLimit) {
        std::fprintf(stderr, "CuevoxCore/DeckMonitorConfiguration: invalid interval %g s\n",
                     seconds);
        std::abort();
    }
    return std::chrono::nanoseconds(static_cast<std::chrono::nanoseconds::rep>(nanoseconds));
}

std::chrono::system_clock::duration clockInterval(double seconds) {
    return std::chrono::duration_cast<std::chrono::system_clock::duration>(
        intervalNanoseconds(seconds));
}

} // namespace cuevox::decks
