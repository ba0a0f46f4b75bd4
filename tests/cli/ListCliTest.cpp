#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// Source 1 at 128 BPM in 8A, energy 6, House; the others around it.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00"
         Tonality="8A" Comments="Energy 6" Year="2020"/>
  <TRACK TrackID="2" Name="Near" Artist="B" Genre="house" AverageBpm="128.50" Tonality="9A"
         Comments="E7"/>
  <TRACK TrackID="3" Name="Too Fast" Artist="C" Genre="Techno" AverageBpm="129.20" Tonality="8A"
         Comments="E6"/>
  <TRACK TrackID="4" Name="Boost" Artist="D" Genre="Techno" AverageBpm="128.00" Tonality="10A"
         Comments="E6"/>
  <TRACK TrackID="5" Name="Stra&#223;e" Artist="E" AverageBpm="135.00" Tonality="Am"/>
</COLLECTION></DJ_PLAYLISTS>)";

class ListCli : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "cuevox-cli-list-" + std::to_string(::getpid()) + ".xml";
        std::ofstream(path) << kCollection;
    }
    void TearDown() override { std::filesystem::remove(path); }
    std::string path;
};

TEST_F(ListCli, RanksAroundTheSourceTrackWithOptionCounts) {
    const CliResult result = runCli({"list", path, "--id", "1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json document = json::parse(result.out);
    const json tracks = document.at("tracks");
    ASSERT_EQ(tracks.size(), 2U);
    EXPECT_EQ(tracks[0], json::parse(R"({"id": "1", "score": 100.0})"));
    EXPECT_EQ(tracks[1].at("id"), "2");
    EXPECT_NEAR(tracks[1].at("score").get<double>(),
                0.35 * 100 + 0.25 * 100 * (1 - 0.35 / 0.85) + 0.25 * 80 + 0.15 * 200.0 / 3, 1e-9);
    // Each group's counts leave that group's own automatic filter aside.
    EXPECT_EQ(document.at("genreOptions"), json::parse(R"([
        {"name": "House", "count": 1}, {"name": "Techno", "count": 0},
        {"name": "house", "count": 1}])"));
    EXPECT_EQ(document.at("bpmRangeOptions"), json::parse(R"([
        {"lowerBound": 120, "count": 3}, {"lowerBound": 130, "count": 0}])"));
    EXPECT_EQ(document.at("keyOptions").size(), 24U);
    EXPECT_EQ(document.at("keyOptions")[14], json::parse(R"({"key": "8A", "count": 1})"));
    EXPECT_EQ(document.at("keyOptions")[18], json::parse(R"({"key": "10A", "count": 1})"));
    EXPECT_EQ(document.at("keyOptions")[16], json::parse(R"({"key": "9A", "count": 1})"));
    EXPECT_EQ(document.at("energyOptions")[5], json::parse(R"({"energy": 6, "count": 1})"));
}

TEST_F(ListCli, SelectionsSearchAndTitleLookup) {
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> ids;
    } cases[] = {
        {{}, {"2", "3", "4", "5", "1"}}, // no source: alphabetical by artist
        {{"--title", " night song", "--artist", "THE BAND"}, {"1", "2"}},
        {{"--id", "1", "--key", "10A"}, {"4"}},
        {{"--id", "1", "--key", "10A", "--key", "Am"}, {"1", "4"}},
        {{"--genre", "Techno"}, {"3", "4"}},
        {{"--bpm-range", "130"}, {"5"}},
        {{"--energy", "6", "--energy", "7"}, {"1", "2", "3", "4"}},
        {{"--search", " STRASSE "}, {"5"}},
        {{"--search", "band", "--id", "2"}, {"1"}},
        {{"--search", "near", "--id", "1"}, {"2"}},
        {{"--search", "zzz", "--id", "1"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"list", path, "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult result = runCli(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> ids;
        const json document = json::parse(result.out);
        for (const json& track : document.at("tracks")) {
            ids.push_back(track.at("id"));
        }
        if (!c.arguments.empty() && c.arguments[0] != "--id" && c.arguments[0] != "--title") {
            std::sort(ids.begin(), ids.end());
        }
        EXPECT_EQ(ids, c.ids);
    }
}

TEST_F(ListCli, BadInputAndUsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"--id", "9"}, 1, "cuevox-cli: no track with id \"9\" in " + path + "\n"},
        {{"--title", "Nope", "--artist", "X"},
         1,
         "cuevox-cli: no track titled \"Nope\" by \"X\" in " + path + "\n"},
        {{"--title", "Night Song"}, 2, ""},
        {{"--id", "1", "--title", "a", "--artist", "b"}, 2, ""},
        {{"--key", "H"}, 2, ""},
        {{"--energy", "0"}, 2, ""},
        {{"--bpm-range", "125"}, 2, ""},
        {{"--bpm-range", "x"}, 2, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"list", path};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("cuevox-cli: ", 0), 0U) << result.err;
        if (!c.err.empty()) {
            EXPECT_EQ(result.err, c.err);
        }
    }
    const CliResult missing = runCli({"list", "/no/such.xml"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "cuevox-cli: fileNotFound(\"/no/such.xml\")\n");
}

TEST_F(ListCli, TextTableShowsScoresAndCounts) {
    const CliResult result = runCli({"list", path, "--id", "1"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("After The Band \u2013 Night Song: 2 tracks\n"), std::string::npos);
    EXPECT_NE(result.out.find("100.0  The Band \u2013 Night Song  128.00  8A  E6  House\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Tempos: 120 - 130 (3)  130 - 140 (0)"), std::string::npos);
}

} // namespace
} // namespace cuevox::tests
