#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// Source 1: House, 128 BPM, 8A, energy 6. Each other track differs from it in one way.
// Track 12's title is decomposed (e + U+0301) in the file; 11 is 3's recording again.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="Energy 6" Year="2020" Location="file://localhost/m/1.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="B" Genre="house" AverageBpm="128.50" Tonality="9A" Comments="E7" Location="file://localhost/m/2.mp3"/>
  <TRACK TrackID="3" Name="Same" Artist="C" Genre="House" AverageBpm="128.10" Tonality="8A" Comments="E6" Year="2019" Location="file://localhost/m/3.mp3"/>
  <TRACK TrackID="4" Name="Boost" Artist="D" Genre="House" AverageBpm="127.40" Tonality="10A" Comments="E8" Location="file://localhost/m/4.mp3"/>
  <TRACK TrackID="5" Name="Diagonal" Artist="E" Genre="House" AverageBpm="128.00" Tonality="9B" Location="file://localhost/m/5.mp3"/>
  <TRACK TrackID="6" Name="Tech" Artist="F" Genre="Tech House" AverageBpm="128.00" Tonality="8B" Comments="E5" Location="file://localhost/m/6.mp3"/>
  <TRACK TrackID="7" Name="Clash" Artist="G" Genre="House" AverageBpm="128.00" Tonality="3A" Comments="E6" Location="file://localhost/m/7.mp3"/>
  <TRACK TrackID="8" Name="No Key" Artist="H" Genre="House" AverageBpm="128.20" Comments="E6" Location="file://localhost/m/8.mp3"/>
  <TRACK TrackID="9" Name="Far" Artist="I" Genre="House" AverageBpm="130.00" Tonality="8A" Comments="E6" Location="file://localhost/m/9.mp3"/>
  <TRACK TrackID="10" Name="No File" Artist="J" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="11" Name="SAME" Artist=" c " Genre="House" AverageBpm="128.10" Tonality="8A" Comments="E6" Location="file://localhost/m/11.mp3"/>
  <TRACK TrackID="12" Name="Cafe&#x301;" Artist="Zo&#xEB;" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Location="file://localhost/m/12.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

class RecommendCli : public ::testing::Test {
protected:
    CliResult recommend(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"recommend", path});
        return runCli(arguments);
    }

    TemporaryDirectory directory;
    const std::string path = directory.write("collection.xml", kCollection).string();
    const std::string table = (directory.path() / "genres.json").string();
};

// The JSON shape once, then one row per option that reaches the ranking; what each mode
// of an option ranks is the service tests'.
TEST_F(RecommendCli, JsonAndTextShowTheRankedListAndOptionsChangeIt) {
    EXPECT_EQ(json::parse(recommend({"--id", "1", "--json"}).out)[0], json::parse(R"({
        "id": "3", "title": "Same", "artist": "C", "score": 100.0,
        "breakdown": {"genre": 100.0, "bpm": 100.0, "harmonic": 100.0, "energy": 100.0},
        "reasons": ["✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "✓ Same Energy"]})"));
    directory.write("genres.json", R"({"house": {"tech house": 0.625}})");
    // clang-format off
    struct { std::vector<std::string> arguments, ids; std::vector<double> scores; } cases[] = {
        {{}, {"3", "12", "8", "2"}, {100, 100, 86.0, 79.7}},
        {{"--exclude", "3", "--exclude", "8"}, {"11", "12", "2"}, {100, 100, 79.7}},
        {{"--harmonic", "experimental"}, {"3", "12", "8", "5", "2", "7", "4"}, {100, 100, 86.0, 85.0, 79.7, 75.0, 68.0}},
        {{"--energy", "exact"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 69.7}},
        {{"--weights", "1,0,0,0"}, {"3", "2", "8", "12"}, {100, 100, 100, 100}},
        {{"--bpm-tolerance", "0.15,2.5", "--count", "5"}, {"3", "12", "8", "2", "9"}, {100, 100, 87.0, 86.3, 80.3}},
        {{"--genre-table", table, "--genre-mode", "compatibleGenres"}, {"3", "12", "8", "2", "6"}, {100, 100, 86.0, 79.7, 79.4}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments{"--id", "1", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliResult result = recommend(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> ids;
        std::vector<double> scores;
        for (const json& entry : json::parse(result.out)) {
            ids.push_back(entry.at("id"));
            scores.push_back(entry.at("score"));
        }
        EXPECT_EQ(ids, c.ids);
        EXPECT_EQ(scores, c.scores);
    }
    // The decomposed é takes one column, like the precomposed one.
    const std::string header = "After The Band \u2013 Night Song  128.00  8A  E6\n";
    // clang-format off
    const struct { std::vector<std::string> arguments; std::string out; } texts[] = {
        {{"--id", "1", "--count", "2"},
         header + "#  Score  Track          BPM  Key  E   Genre         Tempo       Harmonic          Energy\n"
                  "1  100.0  C \u2013 Same    128.10  8A   E6  \u2713 Same Genre  \u2713 Same BPM  \u2713 Harmonic Match  \u2713 Same Energy\n"
                  "2  100.0  Zo\u00EB \u2013 Cafe\u0301  128.00  8A   E6  \u2713 Same Genre  \u2713 Same BPM  \u2713 Harmonic Match  \u2713 Same Energy\n"},
        {{"--title", " night song ", "--artist", "THE BAND", "--count", "0"},
         header + "No track of the collection fits after it with these settings.\n"},
        // clang-format on
    };
    for (const auto& c : texts) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult text = recommend(c.arguments);
        EXPECT_EQ(text.exitCode, 0) << text.err;
        EXPECT_EQ(text.out, c.out);
    }
}

TEST_F(RecommendCli, EveryBadValueAndGenreTableIsNamedOnOneLine) {
    // clang-format off
    const struct { std::vector<std::string> arguments; int exitCode; std::string err; } cases[] = {
        {{"--count", "-1"}, 2, usage("--count: must be 0 or more, not -1")},
        {{"--count", "2.5"}, 2, usage("--count: must be a whole number, not \"2.5\"")},
        {{"--weights", "1,2,3"}, 2, usage("--weights: needs 4 numbers separated by commas, not 3 in \"1,2,3\"")},
        {{"--weights", "1,,3,4"}, 2, usage("--weights: \"\" is not a number")},
        {{"--weights", "1,2,3,4x"}, 2, usage("--weights: \"4x\" is not a number")},
        {{"--weights", "1,nan,3,4"}, 2, usage("--weights: \"nan\" is not a finite number")},
        {{"--weights", "1e999,2,3,4"}, 2, usage("--weights: \"1e999\" is not a finite number")},
        {{"--weights", "1,-2,3,4"}, 2, usage("--weights: \"-2\" is negative")},
        {{"--bpm-tolerance", "0.15"}, 2, usage("--bpm-tolerance: needs 2 numbers separated by commas, not 1 in \"0.15\"")},
        {{"--harmonic", "Strict"}, 2, usage("--harmonic: must be strict, balanced or experimental, not \"Strict\"")},
        {{"--energy", "plusMinus3"}, 2, usage("--energy: must be exact, plusMinus1 or plusMinus2, not \"plusMinus3\"")},
        {{"--genre-mode", "compatible"}, 2, usage("--genre-mode: must be exactOnly or compatibleGenres, not \"compatible\"")},
        {{"--genre-table", "/no/such.json"}, 1, "cuevox-cli: cannot read the genre table /no/such.json: no such file\n"},
        {{"--id", "99"}, 1, "cuevox-cli: no track with id \"99\" in " + path + "\n"},
        {{"--json"}, 2, usage("the playing track (--id, or --title with --artist) is required")},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments = c.arguments;
        if (arguments[0] != "--id" && arguments[0] != "--json") {
            arguments.insert(arguments.end(), {"--id", "1"});
        }
        expectFailure(recommend(arguments), c.exitCode, c.err);
    }
    expectFailure(runCli({"recommend", "/no/such.xml", "--id", "1"}), 1,
                  "cuevox-cli: fileNotFound(\"/no/such.xml\")\n");
    // clang-format off
    const struct { std::string contents, err; } tables[] = {
        {"[]", "must be a JSON object of objects of numbers, not an array"},
        {"{\"house\": 0.8}", "the entry for \"house\" must be an object of numbers, not a number"},
        {"{\"house\": {\"techno\": \"0.8\"}}", "the value for \"house\" to \"techno\" must be a finite number, not a string"},
        {"{\"house\": {\"techno\": 1e999}}", "holds a number too large for a double"},
        {"{\"House\": {\"techno\": 0.5}}", "\"House\" has capitals; genre names must be written in lower case"},
        {"{\"house\": {\"Techno\": 0.5}}", "\"Techno\" has capitals; genre names must be written in lower case"},
        // clang-format on
    };
    for (const auto& c : tables) {
        SCOPED_TRACE(c.contents);
        directory.write("genres.json", c.contents);
        expectFailure(recommend({"--id", "1", "--genre-table", table}), 1,
                      "cuevox-cli: genre table " + table + ": " + c.err + "\n");
    }
}

} // namespace
} // namespace cuevox::tests
