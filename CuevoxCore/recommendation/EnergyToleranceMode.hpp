#pragma once

namespace cuevox::recommendation {

// How far apart two energy levels may be before the energy score reaches 0.
enum class EnergyToleranceMode { exact, plusMinus1, plusMinus2 };

// The distance at which the energy score has fallen to 0.
constexpr int falloffWidth(EnergyToleranceMode mode) {
    switch (mode) {
    case EnergyToleranceMode::exact: return 1;
    case EnergyToleranceMode::plusMinus1: return 3;
    case EnergyToleranceMode::plusMinus2: return 5;
    }
    return 1;
}

} // namespace cuevox::recommendation
