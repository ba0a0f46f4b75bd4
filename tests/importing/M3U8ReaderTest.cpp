#include "importing/M3U8Reader.hpp"

#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::importing {
namespace {

using tests::TemporaryDirectory;

TEST(M3U8Reader, EntriesAreTheLinesThatAreNeitherBlankNorDirectives) {
    // As rekordbox writes a history: a byte order mark, CRLF, #EXTINF before each file.
    const std::string text = "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:312,Artist - Title\r\n"
                             "C:\\Music\\a b.mp3\r\n\r\n  /Users/dj/Music/b.mp3  \n"
                             "file://localhost/Users/dj/M%C3%BAsica/c%20d.mp3\n#EXTINF:1,x";
    EXPECT_EQ(M3U8Reader::parseLocations(text),
              (std::vector<std::string>{"C:\\Music\\a b.mp3", "/Users/dj/Music/b.mp3",
                                        "/Users/dj/M\u00FAsica/c d.mp3"}));
}

TEST(M3U8Reader, AFileIsReadWithItsNameOrRefusedWithTheSystemsReason) {
    const TemporaryDirectory directory;
    const auto path = directory.write("HISTORY 2024-05-17.m3u8", "#EXTM3U\n/a.mp3\n");
    EXPECT_EQ(M3U8Reader::read(path), (M3U8Reader::M3U8Playlist{"HISTORY 2024-05-17", {"/a.mp3"}}));
    EXPECT_EQ(M3U8Reader::read(directory.path() / "missing.m3u8").error().code,
              std::error_code(ENOENT, std::generic_category()));
    EXPECT_EQ(M3U8Reader::read(directory.path()).error().code,
              make_error_code(FileReadErrc::notARegularFile));
}

} // namespace
} // namespace cuevox::importing
