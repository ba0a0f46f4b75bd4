#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace cuevox::metadata {

// Mixes one more value into a running hash (the boost::hash_combine recipe, 64-bit constant).
template <typename T>
void hashCombine(std::size_t& seed, const T& value) {
    seed ^= std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

// An optional contributes whether it is present, then its value, so that an absent value and
// a present one whose hash happens to be the marker never collide by construction.
template <typename T>
void hashCombine(std::size_t& seed, const std::optional<T>& value) {
    hashCombine(seed, value.has_value());
    if (value) {
        hashCombine(seed, *value);
    }
}

} // namespace cuevox::metadata
