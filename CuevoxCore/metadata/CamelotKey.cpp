#include "metadata/CamelotKey.hpp"

#include "metadata/HashCombine.hpp"
#include "text/Text.hpp"

#include <utility>

namespace cuevox::metadata {

std::optional<CamelotKey> CamelotKey::make(int number, CamelotLetter letter) {
    if (number < 1 || number > 12) {
        return std::nullopt;
    }
    return CamelotKey(number, letter);
}

std::optional<CamelotKey> CamelotKey::fromString(std::string_view text) {
    const std::u32string characters = text::toCodePoints(text::toUpper(text::trim(text)));
    if (characters.size() < 2) {
        return std::nullopt;
    }
    std::optional<CamelotLetter> letter;
    switch (characters.back()) {
    case U'A': letter = CamelotLetter::a; break;
    case U'B': letter = CamelotLetter::b; break;
    default: return std::nullopt;
    }
    const std::string digits =
        text::fromCodePoints(std::u32string_view(characters).substr(0, characters.size() - 1));
    const std::optional<long long> number = text::parseInteger(digits);
    if (!number || *number < 1 || *number > 12) {
        return std::nullopt;
    }
    return CamelotKey(static_cast<int>(*number), *letter);
}

const std::array<CamelotKey, 24>& CamelotKey::allPositions() {
    static const std::array<CamelotKey, 24> positions =
        []<std::size_t... index>(std::index_sequence<index...>) {
        return std::array<CamelotKey, 24>{
            CamelotKey(static_cast<int>(index / 2) + 1,
                       index % 2 == 0 ? CamelotLetter::a : CamelotLetter::b)...};
    }
    (std::make_index_sequence<24>{});
    return positions;
}

std::string CamelotKey::toString() const {
    return std::to_string(m_number) + std::string(rawText(m_letter));
}

CamelotKey CamelotKey::neighbor(int offset) const {
    // Reduce the offset first so that offsets near the integer limits cannot overflow.
    const int steps = ((offset % 12) + 12) % 12;
    return CamelotKey((m_number - 1 + steps) % 12 + 1, m_letter);
}

CamelotKey CamelotKey::relative() const {
    return CamelotKey(m_number, m_letter == CamelotLetter::a ? CamelotLetter::b : CamelotLetter::a);
}

} // namespace cuevox::metadata

std::size_t std::hash<cuevox::metadata::CamelotKey>::operator()(
    const cuevox::metadata::CamelotKey& key) const noexcept {
    std::size_t seed = 0;
    cuevox::metadata::hashCombine(seed, key.number());
    cuevox::metadata::hashCombine(seed, cuevox::metadata::rawText(key.letter()));
    return seed;
}
