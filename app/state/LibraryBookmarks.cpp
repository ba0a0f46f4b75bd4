#include "LibraryBookmarks.hpp"

#include <QString>
#include <utility>

namespace cuevox::state {

QVariant LibraryBookmarks::plainPath(const std::filesystem::path& absolutePath) {
    return QString::fromStdString(absolutePath.string());
}

std::optional<LibraryBookmarks::Resolved>
LibraryBookmarks::resolvePlainPath(const QVariant& stored) {
    if (!stored.canConvert<QString>()) {
        return std::nullopt;
    }
    std::filesystem::path path(stored.toString().toStdString());
    // Only an absolute path can name the file that was loaded; anything else is not ours.
    if (path.empty() || !path.is_absolute()) {
        return std::nullopt;
    }
    return Resolved{std::move(path), false};
}

LibraryBookmarks LibraryBookmarks::overBookmarkData(CreateBookmark create,
                                                    ResolveBookmark resolve) {
    LibraryBookmarks bookmarks;
    bookmarks.make = [create = std::move(create)](const std::filesystem::path& absolutePath) {
        const QByteArray bookmark = create(absolutePath);
        return bookmark.isEmpty() ? plainPath(absolutePath) : QVariant(bookmark);
    };
    bookmarks.resolve =
        [resolve = std::move(resolve)](const QVariant& stored) -> std::optional<Resolved> {
        // Checked first: a QByteArray also converts to QString.
        if (stored.typeId() == QMetaType::QByteArray) {
            const QByteArray bookmark = stored.toByteArray();
            if (bookmark.isEmpty()) {
                return std::nullopt;
            }
            std::optional<Resolved> resolved = resolve(bookmark);
            if (!resolved || resolved->path.empty()) {
                return std::nullopt;
            }
            return resolved;
        }
        if (stored.typeId() != QMetaType::QString) {
            return std::nullopt;
        }
        std::optional<Resolved> resolved = resolvePlainPath(stored);
        if (resolved) {
            resolved->stale = true;
        }
        return resolved;
    };
    return bookmarks;
}

} // namespace cuevox::state
