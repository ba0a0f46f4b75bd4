#pragma once

#include "metadata/CamelotLetter.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cuevox::metadata {

// A position on the Camelot wheel: a number from 1 to 12 and a letter. Always valid: the only
// ways to build one are the factories, which refuse anything else.
class CamelotKey {
public:
    static std::optional<CamelotKey> make(int number, CamelotLetter letter);

    // A Camelot text such as "8A", " 12b\n" or "08A"; nothing for anything else.
    static std::optional<CamelotKey> fromString(std::string_view text);

    // 1A, 1B, 2A, ... 12B: the order of the key filter.
    static const std::array<CamelotKey, 24>& allPositions();

    int number() const { return m_number; }
    CamelotLetter letter() const { return m_letter; }

    // "8A", "12B": the number without leading zero, then the letter.
    std::string toString() const;

    // The key `offset` steps around the wheel with the same letter.
    CamelotKey neighbor(int offset) const;

    // The key `semitones` higher (lower when negative), same letter: a semitone is seven steps.
    CamelotKey transposed(int semitones) const { return neighbor(7 * (semitones % 12)); }

    // Same number, other letter: the relative major or minor.
    CamelotKey relative() const;

    bool operator==(const CamelotKey&) const = default;

private:
    constexpr CamelotKey(int number, CamelotLetter letter) : m_number(number), m_letter(letter) {}

    int m_number;
    CamelotLetter m_letter;
};

} // namespace cuevox::metadata

template <>
struct std::hash<cuevox::metadata::CamelotKey> {
    std::size_t operator()(const cuevox::metadata::CamelotKey& key) const noexcept;
};
