#include "import/RekordboxXMLError.hpp"

#include <cstdio>

namespace cuevox::import {

std::string quotedLiteral(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escape[16];
                std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string RekordboxXMLError::toString() const {
    const char* name = kind == Kind::fileNotFound ? "fileNotFound" : "malformedXML";
    return name + ("(" + quotedLiteral(payload) + ")");
}

} // namespace cuevox::import
