#pragma once

#include <QByteArray>
#include <QVariant>
#include <filesystem>
#include <functional>
#include <optional>

namespace cuevox::state {

// How the view model remembers the open collection in its settings, and finds it again. The
// default stores the absolute path as a string, or as its bytes when they are not UTF-8; on
// macOS a bookmark follows a moved file.
struct LibraryBookmarks {
    struct Resolved {
        std::filesystem::path path;
        // The stored value still finds the file but should be replaced by a fresh one.
        bool stale = false;

        bool operator==(const Resolved&) const = default;
    };
    // An invalid QVariant means nothing can be remembered for this file.
    using Make = std::function<QVariant(const std::filesystem::path& absolutePath)>;
    // Nothing when the value names no file; never throws on values it did not write.
    using Resolve = std::function<std::optional<Resolved>(const QVariant& stored)>;
    using CreateBookmark = std::function<QByteArray(const std::filesystem::path& absolutePath)>;
    using ResolveBookmark = std::function<std::optional<Resolved>(const QByteArray& bookmark)>;

    static QVariant plainPath(const std::filesystem::path& absolutePath);
    static std::optional<Resolved> resolvePlainPath(const QVariant& stored);

    // Stores the system's bookmark bytes, or the plain path when none can be made. A plain
    // path stored before (or instead) still opens and comes back stale, so that a bookmark
    // replaces it; empty bytes and bytes the system cannot resolve name no file.
    static LibraryBookmarks overBookmarkData(CreateBookmark create, ResolveBookmark resolve);

    Make make = &plainPath;
    Resolve resolve = &resolvePlainPath;
};

} // namespace cuevox::state
