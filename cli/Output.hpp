#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace cuevox::cli {

// Keys stay in the order the command writes them.
using Json = nlohmann::ordered_json;

// One JSON document on stdout. Texts from the command line may be ill-formed UTF-8; they are
// written with U+FFFD rather than failing.
void printJson(const Json& document);

// One line on stderr, prefixed with the program's name, as every error is reported.
void printError(std::string_view message);

// A text from the input as an error line quotes it: between double quotes, escaped to stay on
// one line, and cut after 80 characters with "…", so a huge input gives a short line.
std::string quotedInput(std::string_view text);

template <typename T>
Json jsonOrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

// `value` with `decimals` digits after the point, right-aligned in at least `width` columns:
// printf's "%*.*f".
std::string fixed(double value, int decimals, int width = 0);

// A tempo as rekordbox shows it ("128.00"), or "-".
std::string tempoText(const std::optional<double>& bpm);

// "-" stands for an absent value in text output.
template <typename T>
std::string textOrDash(const std::optional<T>& value) {
    if (!value) {
        return "-";
    }
    if constexpr (std::is_convertible_v<T, std::string>) {
        return std::string(*value);
    } else {
        return std::to_string(*value);
    }
}

} // namespace cuevox::cli
