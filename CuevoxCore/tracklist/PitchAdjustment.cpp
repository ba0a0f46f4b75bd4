#include "tracklist/PitchAdjustment.hpp"

#include <cmath>
#include <cstdio>

namespace cuevox::tracklist {

std::string PitchAdjustment::toString() const {
    char magnitude[32];
    std::snprintf(magnitude, sizeof magnitude, "%.1f", std::fabs(percent));
    // A change that rounds to nothing reads "+0.0", never "−0.0".
    const bool negative = percent < 0 && std::string_view(magnitude) != "0.0";
    const char* prefix = multiple == Multiple::doubled  ? "\u00D72 "
                         : multiple == Multiple::halved ? "\u00BD "
                                                        : "";
    return prefix + std::string(negative ? "\u2212" : "+") + magnitude + " %";
}

} // namespace cuevox::tracklist
