#pragma once

#include "importing/LibraryReadOptions.hpp"

#include <CLI/CLI.hpp>

namespace cuevox::cli {

// --open-key, the same for every command that reads key texts of a collection.
inline CLI::Option* addOpenKeyFlag(CLI::App& command, bool& openKey) {
    return command.add_flag("--open-key", openKey,
                            "Also read keys written in Open Key notation, 1m to 12m and 1d to "
                            "12d (1m is 8A, 1d is 8B)");
}

inline importing::LibraryReadOptions libraryReadOptions(bool openKey) {
    return {.keyNotation = {.openKey = openKey}};
}

} // namespace cuevox::cli
