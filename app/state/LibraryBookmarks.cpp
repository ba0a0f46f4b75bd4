#include "state/LibraryBookmarks.hpp"

#include "text/Text.hpp"

#include <QString>
#include <utility>

namespace cuevox::state {

QVariant LibraryBookmarks::plainPath(const std::filesystem::path& absolutePath) {
    const std::string& bytes = absolutePath.native();
    // A string would turn bytes that are not UTF-8 into U+FFFD and name another file.
    if (!text::isValidUTF8(bytes)) {
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return QString::fromStdString(bytes);
}

std::optional<LibraryBookmarks::Resolved>
LibraryBookmarks::resolvePlainPath(const QVariant& stored) {
    std::filesystem::path path;
    if (stored.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = stored.toByteArray();
        // The system would read the path only up to a NUL, which is another file.
        if (bytes.contains('\0')) {
            return std::nullopt;
        }
        path = bytes.toStdString();
    } else if (stored.canConvert<QString>()) {
        path = stored.toString().toStdString();
    } else {
        return std::nullopt;
    }
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
        if (!bookmark.isEmpty()) {
            return QVariant(bookmark);
        }
        // Bytes stand for a bookmark here, so a path only bytes can hold is not remembered.
        const QVariant plain = plainPath(absolutePath);
        return plain.typeId() == QMetaType::QString ? plain : QVariant();
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
