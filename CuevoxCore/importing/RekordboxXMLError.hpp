#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cuevox::importing {

// Why a collection file could not be read as XML. Shown to the DJ in its text form.
struct RekordboxXMLError {
    enum class Kind { fileNotFound, malformedXML };

    // Where in the document the parser stopped, counted from 1 as people count.
    struct Place {
        std::uint64_t line = 0;
        std::uint64_t column = 0;

        bool operator==(const Place&) const = default;
    };

    Kind kind;
    // The file's path for fileNotFound; the parser's description for malformedXML.
    std::string payload;
    // For malformedXML, when the parser knows it.
    std::optional<Place> place;

    static RekordboxXMLError fileNotFound(std::string path) {
        return {Kind::fileNotFound, std::move(path), std::nullopt};
    }
    static RekordboxXMLError malformedXML(std::string description,
                                          std::optional<Place> place = std::nullopt) {
        return {Kind::malformedXML, std::move(description), place};
    }

    // The case name, then the payload and place as a quoted literal:
    // fileNotFound("/Users/dj/a.xml"), malformedXML("mismatched tag at line 3, column 3").
    std::string toString() const;

    bool operator==(const RekordboxXMLError&) const = default;
};

// A text as a double-quoted literal on one line: escaped as text::escapeForMessage does, and
// double quotes escaped too.
std::string quotedLiteral(std::string_view text);

} // namespace cuevox::importing
