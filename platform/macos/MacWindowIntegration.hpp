#pragma once

#include <QByteArray>

#include <filesystem>
#include <optional>

class QWidget;

namespace cuevox::platform::macos {

// Keeps a shown top-level window above rekordbox on every Space; other behaviours unchanged.
void raiseToFloatingLevelOnAllSpaces(QWidget& window);

// A bookmark that follows the file when it is moved or renamed; empty when none can be made.
QByteArray bookmarkData(const std::filesystem::path& path);
// Where the bookmarked file is now; nullopt when it cannot be found.
std::optional<std::filesystem::path> resolveBookmark(const QByteArray& bookmark);

} // namespace cuevox::platform::macos
