#pragma once

#include "importing/FileReadErrc.hpp"
#include "importing/RekordboxXMLError.hpp"

#include <string>
#include <system_error>
#include <variant>

namespace cuevox::importing {

// The file exists but its bytes cannot be had (no permission, an I/O error, or FileReadErrc:
// not a regular file). Kept apart from RekordboxXMLError so the system's own reason reaches
// the DJ.
struct FileReadError {
    std::string path;
    std::error_code code;

    // "<path>: <the system's message>", the path escaped so that the message stays one line.
    std::string message() const;

    bool operator==(const FileReadError&) const = default;
};

// Everything that can stop a collection file from loading.
struct LoadError {
    std::variant<RekordboxXMLError, FileReadError> error;

    // The one line shown to the DJ.
    std::string message() const;

    bool operator==(const LoadError&) const = default;
};

} // namespace cuevox::importing
