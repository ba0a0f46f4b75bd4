#include "state/LibraryBookmarks.hpp"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace cuevox::state {
namespace {

using Resolved = LibraryBookmarks::Resolved;

std::string describe(const std::optional<Resolved>& resolved) {
    return resolved ? resolved->path.string() + (resolved->stale ? " (stale)" : "") : "nothing";
}

TEST(LibraryBookmarksTest, PlainPathsRoundTripOnlyWhenAbsolute) {
    const LibraryBookmarks bookmarks;
    const QTemporaryDir directory;
    const QString file = directory.filePath("settings.ini");
    // clang-format off
    const struct { const char* path; int type; } absolute[] = {
        {"/Users/dj/rekordbox.xml", QMetaType::QString}, // older versions read a string
        {"/Volumes/USB 1/Música/Set #2.xml", QMetaType::QString},
        {"/a", QMetaType::QString},
        {"/mnt/Latin-1 caf\xE9/\xFF.xml", QMetaType::QByteArray}, // not UTF-8: kept as bytes
        // clang-format on
    };
    for (const auto& row : absolute) {
        SCOPED_TRACE(row.path);
        QSettings(file, QSettings::IniFormat).setValue("path", bookmarks.make(row.path));
        const QVariant stored = QSettings(file, QSettings::IniFormat).value("path");
        EXPECT_EQ(stored.typeId(), row.type);
        EXPECT_EQ(describe(bookmarks.resolve(stored)), row.path);
    }

    // clang-format off
    const struct { const char* name; QVariant stored; } refused[] = {
        {"relative", QString("rekordbox.xml")},
        {"dot relative", QString("./rekordbox.xml")},
        {"empty", QString("")},
        {"nothing", QVariant()},
        {"number", QVariant(42)},
        {"relative bytes", QByteArray("rekordbox.xml")},
        {"bytes cut short by a NUL", QByteArray("/a.xml\0/b", 9)},
        // clang-format on
    };
    for (const auto& row : refused) {
        EXPECT_EQ(describe(bookmarks.resolve(row.stored)), "nothing") << row.name;
    }
}

// Moved, stale and unresolvable bookmarks are followed through in the view model's tests.
TEST(LibraryBookmarksTest, BookmarkDataFallsBackToPlainPathsBothWays) {
    std::vector<QByteArray> asked;
    const LibraryBookmarks bookmarks = LibraryBookmarks::overBookmarkData(
        [](const std::filesystem::path&) { return QByteArray(); },
        [&asked](const QByteArray& bookmark) -> std::optional<Resolved> {
            asked.push_back(bookmark);
            if (bookmark == "no path") {
                return Resolved{"", false};
            }
            return std::nullopt;
        });

    const QVariant fallback = bookmarks.make("/cannot/bookmark.xml");
    EXPECT_EQ(fallback.typeId(), QMetaType::QString);
    EXPECT_EQ(fallback.toString(), "/cannot/bookmark.xml");
    EXPECT_FALSE(bookmarks.make("/cannot/bookmark\xFF.xml").isValid()) << "bytes mean a bookmark";

    // What each stored value resolves to, and whether the system is asked.
    // clang-format off
    const struct { const char* name; QVariant stored; std::string expected; bool asks; } cases[] = {
        {"resolved to no path", QByteArray("no path"), "nothing", true},
        {"empty bytes", QByteArray(), "nothing", false},
        // Bytes that spell a path are still a bookmark, never opened as a path.
        {"path as bytes", QByteArray("/Users/dj/rekordbox.xml"), "nothing", true},
        {"plain path of an older version", QString("/Users/dj/rekordbox.xml"),
         "/Users/dj/rekordbox.xml (stale)", false},
        {"relative plain path", QString("rekordbox.xml"), "nothing", false},
        {"number", QVariant(7), "nothing", false},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        asked.clear();
        EXPECT_EQ(describe(bookmarks.resolve(row.stored)), row.expected);
        EXPECT_EQ(asked.size(), row.asks ? 1U : 0U);
    }
}

} // namespace
} // namespace cuevox::state
