#include "Output.hpp"

#include "text/Text.hpp"

#include <cstdio>
#include <iostream>

namespace cuevox::cli {

void printJson(const Json& document) {
    std::cout << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

std::string fixed(double value, int decimals, int width) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string tempoText(const std::optional<double>& bpm) {
    return bpm ? fixed(*bpm, 2) : "-";
}

std::string quotedInput(std::string_view text) {
    return "\"" + text::escapeForMessage(text::excerpt(text)) + "\"";
}

void printError(std::string_view message) {
    std::cerr << "cuevox-cli: " << message << '\n';
}

} // namespace cuevox::cli
