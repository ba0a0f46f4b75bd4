#pragma once

#include <string>
#include <string_view>

namespace cuevox::import {

// Why a collection file could not be read as XML. Shown to the DJ in its text form.
struct RekordboxXMLError {
    enum class Kind { fileNotFound, malformedXML };

    Kind kind;
    // The file's path for fileNotFound; the parser's description for malformedXML.
    std::string payload;

    static RekordboxXMLError fileNotFound(std::string path) {
        return {Kind::fileNotFound, std::move(path)};
    }
    static RekordboxXMLError malformedXML(std::string description) {
        return {Kind::malformedXML, std::move(description)};
    }

    // The case name, then the payload as a quoted literal: fileNotFound("/Users/dj/a.xml").
    std::string toString() const;

    bool operator==(const RekordboxXMLError&) const = default;
};

// A text as a double-quoted literal on one line: escaped as text::escapeForMessage does, and
// double quotes escaped too.
std::string quotedLiteral(std::string_view text);

} // namespace cuevox::import
