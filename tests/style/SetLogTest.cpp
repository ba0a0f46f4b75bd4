#include "style/SetLog.hpp"

#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace cuevox::style {
namespace {

using namespace std::chrono_literals;

metadata::Track played(const std::string& id, std::optional<std::string> file) {
    metadata::Track track{};
    track.id = id;
    track.artist = "Artist";
    track.title = "Title\n" + id;
    track.filepath = std::move(file);
    return track;
}

// Noon on the given day in local time, so that the day of the file is that day anywhere.
std::chrono::system_clock::time_point noon(int year, int month, int day) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = 12;
    parts.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&parts));
}

std::string contents(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

TEST(SetLog, AppendsEachTrackToItsDaysFileAndReadsTheSetsBackOldestFirst) {
    const tests::TemporaryDirectory directory;
    const SetLog log(directory.path() / "sets");
    EXPECT_TRUE(log.sets().empty()) << "no folder yet";
    EXPECT_EQ(log.append(played("a", "/Music/a.mp3"), noon(2026, 12, 8)), std::nullopt);
    EXPECT_EQ(log.append(played("none", std::nullopt), noon(2026, 12, 8) + 1min), std::nullopt);
    EXPECT_EQ(log.append(played("b", "/Music/b.mp3"), noon(2026, 12, 8) + 4min), std::nullopt);
    EXPECT_EQ(log.append(played("c", "/Music/c.mp3"), noon(2026, 11, 30)), std::nullopt);

    const std::string day = contents(log.folder() / "Cuevox set 2026-12-08.m3u8");
    EXPECT_TRUE(day.starts_with("#EXTM3U\n#EXTINF:-1,Artist - Title a\n#EXT-X-PROGRAM-DATE-TIME:"))
        << day;
    EXPECT_EQ(day.find("#EXTM3U", 1), std::string::npos) << "one header a file";
    const auto sets = log.sets();
    ASSERT_EQ(sets.size(), 2U);
    EXPECT_EQ(sets[0].name, "Cuevox set 2026-11-30");
    EXPECT_EQ(sets[0].locations, std::vector<std::string>{"/Music/c.mp3"});
    EXPECT_EQ(sets[1].locations, (std::vector<std::string>{"/Music/a.mp3", "/Music/b.mp3"}));
}

TEST(SetLog, AnEntryCutShortByACrashNeverJoinsTheNext) {
    const tests::TemporaryDirectory directory;
    const SetLog log(directory.path());
    directory.write("Cuevox set 2026-12-08.m3u8", "#EXTM3U\n#EXTINF:-1,A - B\n/Music/a.m");
    EXPECT_EQ(log.append(played("b", "/Music/b.mp3"), noon(2026, 12, 8)), std::nullopt);
    ASSERT_EQ(log.sets().size(), 1U);
    EXPECT_EQ(log.sets()[0].locations, (std::vector<std::string>{"/Music/a.m", "/Music/b.mp3"}));
}

TEST(SetLog, AFolderThatCannotBeWrittenSaysWhichFileAndWhy) {
    const tests::TemporaryDirectory directory;
    const SetLog log(directory.write("not-a-folder", "") / "sets");
    const std::optional<std::string> error = log.append(played("a", "/a.mp3"), noon(2026, 12, 8));
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, (log.folder() / "Cuevox set 2026-12-08.m3u8").string() + ": Not a directory");
    EXPECT_TRUE(log.sets().empty());
}

} // namespace
} // namespace cuevox::style
