#include "macos/MacBookmarks.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace cuevox::platform::macos {
namespace {

namespace fs = std::filesystem;

class MacBookmarksTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / ("cuevox-bookmarks-" + std::to_string(::getpid()));
        fs::create_directories(directory / "sets");
    }
    void TearDown() override { fs::remove_all(directory); }

    fs::path write(const fs::path& name) {
        std::ofstream(directory / name) << "<DJ_PLAYLISTS/>";
        return directory / name;
    }

    fs::path directory;
};

TEST_F(MacBookmarksTest, FollowsTheFileWhenMovedOrRenamed) {
    // clang-format off
    const struct { const char* name; fs::path from, to; } cases[] = {
        {"renamed", "rekordbox.xml", "renamed.xml"},
        {"moved", "moved.xml", fs::path("sets") / "moved.xml"},
        {"name that is not ASCII", "Música.xml", fs::path("sets") / "Música 2.xml"},
        {"unmoved", "same.xml", "same.xml"},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const fs::path original = write(row.from);
        const QByteArray bookmark = bookmarkData(original);
        ASSERT_FALSE(bookmark.isEmpty());
        if (row.from != row.to) {
            fs::rename(original, directory / row.to);
        }
        const std::optional<ResolvedBookmark> resolved = resolveBookmark(bookmark);
        ASSERT_TRUE(resolved.has_value());
        // The same file, whatever Unicode normalization the system hands the name back in.
        EXPECT_TRUE(fs::equivalent(resolved->path, directory / row.to)) << resolved->path;
        if (row.from == row.to) {
            EXPECT_FALSE(resolved->stale) << "a fresh bookmark of a file left alone";
        }
    }
}

TEST_F(MacBookmarksTest, NothingFromWhatIsNoBookmarkOrNamesNoFile) {
    EXPECT_TRUE(bookmarkData({}).isEmpty());
    EXPECT_TRUE(bookmarkData(directory / "never-written.xml").isEmpty());

    const fs::path gone = write("gone.xml");
    const QByteArray bookmark = bookmarkData(gone);
    fs::remove(gone);
    // clang-format off
    const struct { const char* name; QByteArray bytes; } cases[] = {
        {"empty", QByteArray()},
        {"garbage", QByteArray("\x00\x01 not a bookmark", 17)},
        {"a path", QByteArray("/Users/dj/rekordbox.xml")},
        {"cut short", bookmark.left(bookmark.size() / 2)},
        {"file deleted", bookmark},
        // clang-format on
    };
    for (const auto& row : cases) {
        EXPECT_EQ(resolveBookmark(row.bytes), std::nullopt) << row.name;
    }
}

} // namespace
} // namespace cuevox::platform::macos
