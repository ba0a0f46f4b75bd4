#pragma once

#include <filesystem>

namespace cuevox::platform::macos {

// Where a bookmarked file is now, and whether the system asks for a fresh bookmark.
struct ResolvedBookmark {
    std::filesystem::path path;
    bool stale = false;

    bool operator==(const ResolvedBookmark&) const = default;
};

} // namespace cuevox::platform::macos
