#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace cuevox::metadata {

// The half of the Camelot wheel: A holds the minor keys, B the major keys.
enum class CamelotLetter { a, b };

constexpr std::string_view rawText(CamelotLetter letter) {
    return letter == CamelotLetter::a ? "A" : "B";
}

// Exactly "A" or "B"; lower case is not a letter here.
constexpr std::optional<CamelotLetter> camelotLetterFromRawText(std::string_view text) {
    if (text == "A") {
        return CamelotLetter::a;
    }
    if (text == "B") {
        return CamelotLetter::b;
    }
    return std::nullopt;
}

} // namespace cuevox::metadata
