#pragma once

#include "macos/ResolvedBookmark.hpp"

#include <QByteArray>
#include <filesystem>
#include <optional>

namespace cuevox::platform::macos {

// A bookmark that follows the file when it is moved or renamed; empty when none can be made.
QByteArray bookmarkData(const std::filesystem::path& absolutePath);
// Where the bookmarked file is now; nullopt for bytes that are no bookmark or find no file.
std::optional<ResolvedBookmark> resolveBookmark(const QByteArray& bookmark);

} // namespace cuevox::platform::macos
