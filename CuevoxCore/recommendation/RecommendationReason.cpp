#include "recommendation/RecommendationReason.hpp"

#include <charconv>
#include <system_error>

namespace cuevox::recommendation {
namespace {

// "%.1f" without the C library, whose decimal separator follows the global locale.
std::string fixedOneDecimal(double value) {
    char digits[400]; // enough for the longest fixed form of a double
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 1);
    return error == std::errc{} ? std::string(digits, end) : std::string();
}

std::string signedInteger(int value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

} // namespace

std::string RecommendationReason::label() const {
    switch (m_kind) {
    case Kind::compatibleGenre: return "~" + std::to_string(m_integer) + "% Genre Match";
    case Kind::bpmOffset: return (m_real > 0 ? "+" : "") + fixedOneDecimal(m_real) + " BPM";
    case Kind::energyOffset: return "Energy " + signedInteger(m_integer);
    case Kind::sameGenre: return "\u2713 Same Genre";
    case Kind::genreMismatch: return "\u2717 Genre Mismatch";
    case Kind::sameBPM: return "\u2713 Same BPM";
    case Kind::harmonicSame: return "\u2713 Harmonic Match";
    case Kind::harmonicAdjacent: return "\u00b11 Camelot";
    case Kind::harmonicRelative: return "Relative Key";
    case Kind::harmonicRelativeAdjacent: return "Diagonal Mix";
    case Kind::harmonicEnergyBoost: return "Energy Boost Mix";
    case Kind::harmonicIncompatible: return "\u2717 Key Clash";
    case Kind::harmonicUnknown: return "Key Unknown";
    case Kind::sameEnergy: return "\u2713 Same Energy";
    case Kind::energyUnknown: return "Energy Unknown";
    }
    return {};
}

} // namespace cuevox::recommendation
