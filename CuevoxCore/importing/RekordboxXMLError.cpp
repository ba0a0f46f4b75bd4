#include "importing/RekordboxXMLError.hpp"

#include "text/Text.hpp"

namespace cuevox::importing {

std::string quotedLiteral(std::string_view text) {
    std::string out = "\"";
    for (const char c : text::escapeForMessage(text)) {
        if (c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string RekordboxXMLError::toString() const {
    const char* name = kind == Kind::fileNotFound ? "fileNotFound" : "malformedXML";
    std::string text = payload;
    if (place) {
        text +=
            " at line " + std::to_string(place->line) + ", column " + std::to_string(place->column);
    }
    return name + ("(" + quotedLiteral(text) + ")");
}

} // namespace cuevox::importing
