#pragma once

#include "importing/LibraryReadOptions.hpp"
#include "metadata/RekordboxLibrary.hpp"

#include <optional>
#include <string>

namespace cuevox::cli {

// The collection in `file`; nothing once the reader's error has been printed as the error line.
std::optional<metadata::RekordboxLibrary>
loadCollection(const std::string& file, importing::LibraryReadOptions options = {});

} // namespace cuevox::cli
