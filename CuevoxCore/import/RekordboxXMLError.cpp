#include "import/RekordboxXMLError.hpp"

#include "text/Text.hpp"

namespace cuevox::import {

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
    return name + ("(" + quotedLiteral(payload) + ")");
}

} // namespace cuevox::import
