#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;
constexpr auto npos = std::string::npos;

// Source 1 at 128 BPM in 8A, energy 6, House; the others around it.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="Energy 6" Year="2020"/>
  <TRACK TrackID="2" Name="Near" Artist="B" Genre="house" AverageBpm="128.50" Tonality="9A" Comments="E7"/>
  <TRACK TrackID="3" Name="Too Fast" Artist="C" Genre="Techno" AverageBpm="129.20" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="4" Name="Boost" Artist="D" Genre="Techno" AverageBpm="128.00" Tonality="10A" Comments="E6"/>
  <TRACK TrackID="5" Name="Stra&#223;e" Artist="E" AverageBpm="135.00" Tonality="Am"/>
</COLLECTION></DJ_PLAYLISTS>)";

class ListCli : public ::testing::Test {
protected:
    CliResult list(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"list", path});
        return runCli(arguments);
    }
    TemporaryDirectory directory;
    const std::string path = directory.write("collection.xml", kCollection).string();
};

TEST_F(ListCli, JsonAndTextShowTheRankedTracksEveryOptionNarrowsThemAndBadInputFails) {
    const CliResult result = list({"--id", "1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json document = json::parse(result.out);
    EXPECT_EQ(document.at("tracks").size(), 2U);
    EXPECT_EQ(document.at("tracks")[0], json::parse(R"({"id": "1", "score": 100.0})"));
    EXPECT_EQ(document.at("genreOptions"), json::parse(R"([
        {"name": "House", "count": 1}, {"name": "Techno", "count": 0}, {"name": "house", "count": 1}])"));
    EXPECT_EQ(document.at("bpmRangeOptions"), json::parse(R"([
        {"lowerBound": 120, "count": 3}, {"lowerBound": 130, "count": 0}])"));
    EXPECT_EQ(document.at("keyOptions")[14], json::parse(R"({"key": "8A", "count": 1})"));
    EXPECT_EQ(document.at("energyOptions")[5], json::parse(R"({"energy": 6, "count": 1})"));
    EXPECT_EQ(json::parse(list({"--json"}).out).at("tracks")[0],
              (json{{"id", "2"}, {"score", nullptr}}));
    const std::string text = list({"--id", "1"}).out;
    for (const char* line : {"After The Band \u2013 Night Song: 2 tracks\n\n",
                             "100.0  The Band \u2013 Night Song  128.00  8A  E6  House\n",
                             "Genres: House (1)  Techno (0)  house (1)  \n",
                             "Tempos: 120 - 130 (3)  130 - 140 (0)  \n", "Keys: 1A (0)  1B (0)",
                             "Energies: 1 (0)  2 (0)"}) {
        EXPECT_NE(text.find(line), npos) << line << text;
    }
    EXPECT_NE(list({}).out.find("    -  E \u2013 Stra\u00DFe  135.00  8A  -  -\n"), npos);
    // The ids listed, sorted.
    // clang-format off
    const struct { std::vector<std::string> arguments, ids; } cases[] = {
        {{"--title", "Night Song", "--artist", "The Band"}, {"1", "2"}},
        {{"--id", "1", "--key", "10A", "--key", "Am"}, {"1", "4"}},
        {{"--genre", "Techno"}, {"3", "4"}},
        {{"--bpm-range", "130"}, {"5"}},
        {{"--energy", "6", "--energy", "7"}, {"1", "2", "3", "4"}},
        {{"--search", "near", "--id", "1"}, {"2"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("--json");
        const CliResult narrowed = list(arguments);
        ASSERT_EQ(narrowed.exitCode, 0) << narrowed.err;
        EXPECT_EQ(sortedIds(json::parse(narrowed.out).at("tracks")), c.ids);
    }
    // clang-format off
    const struct { std::vector<std::string> arguments; int exitCode; std::string err; } errors[] = {
        {{"--id", "9"}, 1, "cuevox-cli: no track with id \"9\" in " + path + "\n"},
        {{"--title", "Nope", "--artist", "X"}, 1, "cuevox-cli: no track titled \"Nope\" by \"X\" in " + path + "\n"},
        {{"--title", "Night Song"}, 2, usage("--title requires --artist")},
        {{"--id", "1", "--title", "a", "--artist", "b"}, 2, usage("--id excludes --title")},
        {{"--key", "H"}, 2, usage("--key: not a key: H")},
        {{"--energy", "0"}, 2, usage("--energy: Value 0 not in range 1 to 10")},
        {{"--bpm-range", "125"}, 2, usage("--bpm-range: must be a multiple of 10")},
        // clang-format on
    };
    for (const auto& c : errors) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        expectFailure(list(c.arguments), c.exitCode, c.err);
    }
    expectFailure(runCli({"list", "/no/such.xml"}), 1,
                  "cuevox-cli: fileNotFound(\"/no/such.xml\")\n");
}

} // namespace
} // namespace cuevox::tests
