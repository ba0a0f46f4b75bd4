#pragma once

#include "tracklist/EnergyDirection.hpp"
#include "tracklist/HarmonicStrictness.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace cuevox::tracklist {

// The text form of a mode's value: what the command line takes and the settings store.
template <typename Enum>
struct Named {
    std::string_view name;
    Enum value;
};

// The pitch fader ranges DJ players offer, in percent; 0 is off.
inline constexpr std::array<int, 6> kPitchRangePercents{0, 2, 4, 6, 8, 16};

inline constexpr std::array<Named<EnergyDirection>, 3> kEnergyDirectionNames{{
    {"hold", EnergyDirection::hold},
    {"up", EnergyDirection::up},
    {"down", EnergyDirection::down},
}};

inline constexpr std::array<Named<HarmonicStrictness>, 3> kHarmonicStrictnessNames{{
    {"strict", HarmonicStrictness::strict},
    {"balanced", HarmonicStrictness::balanced},
    {"open", HarmonicStrictness::open},
}};

template <typename Enum, std::size_t N>
constexpr std::optional<Enum> valueNamed(const std::array<Named<Enum>, N>& names,
                                         std::string_view name) {
    for (const Named<Enum>& named : names) {
        if (named.name == name) {
            return named.value;
        }
    }
    return std::nullopt;
}

template <typename Enum, std::size_t N>
constexpr std::string_view nameOf(const std::array<Named<Enum>, N>& names, Enum value) {
    for (const Named<Enum>& named : names) {
        if (named.value == value) {
            return named.name;
        }
    }
    return {};
}

} // namespace cuevox::tracklist
