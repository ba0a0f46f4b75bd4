#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// Source 1: House, 128 BPM, 8A, energy 6. Each other track differs from it in one way.
// Track 12's title is decomposed (e + U+0301) in the file; 11 is 3's recording again.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00"
         Tonality="8A" Comments="Energy 6" Year="2020" Location="file://localhost/m/1.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="B" Genre="house" AverageBpm="128.50" Tonality="9A"
         Comments="E7" Location="file://localhost/m/2.mp3"/>
  <TRACK TrackID="3" Name="Same" Artist="C" Genre="House" AverageBpm="128.10" Tonality="8A"
         Comments="E6" Year="2019" Location="file://localhost/m/3.mp3"/>
  <TRACK TrackID="4" Name="Boost" Artist="D" Genre="House" AverageBpm="127.40" Tonality="10A"
         Comments="E8" Location="file://localhost/m/4.mp3"/>
  <TRACK TrackID="5" Name="Diagonal" Artist="E" Genre="House" AverageBpm="128.00" Tonality="9B"
         Location="file://localhost/m/5.mp3"/>
  <TRACK TrackID="6" Name="Tech" Artist="F" Genre="Tech House" AverageBpm="128.00" Tonality="8B"
         Comments="E5" Location="file://localhost/m/6.mp3"/>
  <TRACK TrackID="7" Name="Clash" Artist="G" Genre="House" AverageBpm="128.00" Tonality="3A"
         Comments="E6" Location="file://localhost/m/7.mp3"/>
  <TRACK TrackID="8" Name="No Key" Artist="H" Genre="House" AverageBpm="128.20" Comments="E6"
         Location="file://localhost/m/8.mp3"/>
  <TRACK TrackID="9" Name="Far" Artist="I" Genre="House" AverageBpm="130.00" Tonality="8A"
         Comments="E6" Location="file://localhost/m/9.mp3"/>
  <TRACK TrackID="10" Name="No File" Artist="J" Genre="House" AverageBpm="128.00" Tonality="8A"
         Comments="E6"/>
  <TRACK TrackID="11" Name="SAME" Artist=" c " Genre="House" AverageBpm="128.10" Tonality="8A"
         Comments="E6" Location="file://localhost/m/11.mp3"/>
  <TRACK TrackID="12" Name="Cafe&#x301;" Artist="Zo&#xEB;" Genre="House" AverageBpm="128.00"
         Tonality="8A" Comments="E6" Location="file://localhost/m/12.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

class RecommendCli : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string stem =
            ::testing::TempDir() + "cuevox-cli-recommend-" + std::to_string(::getpid());
        path = stem + ".xml";
        tablePath = stem + "-genres.json";
        std::ofstream(path) << kCollection;
    }
    void TearDown() override {
        std::filesystem::remove(path);
        std::filesystem::remove(tablePath);
    }

    void writeTable(const std::string& contents) const { std::ofstream(tablePath) << contents; }

    CliResult recommend(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"recommend", path});
        return runCli(arguments);
    }

    std::string path;
    std::string tablePath;
};

std::vector<std::string> idsOf(const json& document) {
    std::vector<std::string> ids;
    for (const json& entry : document) {
        ids.push_back(entry.at("id"));
    }
    return ids;
}

TEST_F(RecommendCli, JsonIsTheRankedListWithScoresBreakdownsAndLabels) {
    const CliResult result = recommend({"--id", "1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const json document = json::parse(result.out);
    // 9 too far, 10 without a file, 11 a duplicate of 3, 4 5 6 7 refused by genre or key.
    ASSERT_EQ(idsOf(document), (std::vector<std::string>{"3", "12", "8", "2"}));

    EXPECT_EQ(document[0], json::parse(R"({
        "id": "3", "title": "Same", "artist": "C", "score": 100.0,
        "breakdown": {"genre": 100.0, "bpm": 100.0, "harmonic": 100.0, "energy": 100.0},
        "reasons": ["✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "✓ Same Energy"]})"));
    EXPECT_EQ(document[1].at("title"), "Cafe\u0301"); // the collection's own spelling

    // 0.35 * 100 + 0.25 * 94.12 + 0.25 * 50 + 0.15 * 100 = 86.03
    const json& noKey = document[2];
    EXPECT_EQ(noKey.at("reasons"),
              json::parse(R"(["✓ Same Genre", "+0.2 BPM", "Key Unknown", "✓ Same Energy"])"));
    EXPECT_NEAR(noKey.at("breakdown").at("bpm").get<double>(), 100 * (1 - 0.05 / 0.85), 1e-9);
    EXPECT_EQ(noKey.at("breakdown").at("harmonic"), 50.0);

    // 0.35 * 100 + 0.25 * 58.82 + 0.25 * 80 + 0.15 * 66.67 = 79.706
    const json& near = document[3];
    EXPECT_EQ(near.at("reasons"),
              json::parse(R"(["✓ Same Genre", "+0.5 BPM", "±1 Camelot", "Energy +1"])"));
    EXPECT_NEAR(near.at("breakdown").at("bpm").get<double>(), 100 * (1 - 0.35 / 0.85), 1e-9);
    EXPECT_NEAR(near.at("breakdown").at("energy").get<double>(), 200.0 / 3, 1e-9);
    EXPECT_EQ(near.at("breakdown").at("harmonic"), 80.0);

    // Scores are printed as rounded, not as the weighted sum.
    EXPECT_NE(result.out.find("\"score\": 86.0,"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"score\": 79.7,"), std::string::npos) << result.out;
}

TEST_F(RecommendCli, OptionsChangeTheRanking) {
    writeTable(R"({"house": {"tech house": 0.625}})");
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> ids;
        std::vector<double> scores;
    } cases[] = {
        {{}, {"3", "12", "8", "2"}, {100, 100, 86.0, 79.7}},
        {{"--count", "2"}, {"3", "12"}, {100, 100}},
        {{"--count", "0"}, {}, {}},
        {{"--count", "+3"}, {"3", "12", "8"}, {100, 100, 86.0}},
        // Excluding 3 frees its recording for its duplicate 11, which sorts by its own artist.
        {{"--exclude", "3", "--exclude", "8"}, {"11", "12", "2"}, {100, 100, 79.7}},
        {{"--exclude", "nothing"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 79.7}},
        // Diagonal 5 and the +2 boost 4 come in; the clash 7 only when anything goes.
        {{"--harmonic", "balanced"},
         {"3", "12", "8", "5", "2", "4"},
         {100, 100, 86.0, 85.0, 79.7, 68.0}},
        {{"--harmonic", "experimental"},
         {"3", "12", "8", "5", "2", "7", "4"},
         {100, 100, 86.0, 85.0, 79.7, 75.0, 68.0}},
        {{"--energy", "exact"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 69.7}},
        {{"--energy", "plusMinus2"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 81.7}},
        // Genre alone: every score ties, so year, then artist decide.
        {{"--weights", "1,0,0,0"}, {"3", "2", "8", "12"}, {100, 100, 100, 100}},
        {{"--weights", " 2 , 0,0,0 "}, {"3", "2", "8", "12"}, {100, 100, 100, 100}},
        // All zero weighs each dimension a quarter.
        {{"--weights", "0,0,0,0"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 76.4}},
        {{"--bpm-tolerance", "0.15,2.5", "--count", "5"},
         {"3", "12", "8", "2", "9"},
         {100, 100, 87.0, 86.3, 80.3}},
        // The table is directed and only read in compatibleGenres mode.
        {{"--genre-table", tablePath, "--genre-mode", "compatibleGenres"},
         {"3", "12", "8", "2", "6"},
         {100, 100, 86.0, 79.7, 79.4}},
        {{"--genre-table", tablePath}, {"3", "12", "8", "2"}, {100, 100, 86.0, 79.7}},
        {{"--genre-mode", "compatibleGenres"}, {"3", "12", "8", "2"}, {100, 100, 86.0, 79.7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments{"--id", "1", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliResult result = recommend(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const json document = json::parse(result.out);
        EXPECT_EQ(idsOf(document), c.ids);
        std::vector<double> scores;
        for (const json& entry : document) {
            scores.push_back(entry.at("score"));
        }
        EXPECT_EQ(scores, c.scores);
    }

    const json tech = json::parse(
        recommend({"--id", "1", "--json", "--genre-table", tablePath, "--genre-mode",
                   "compatibleGenres"})
            .out)
                          .back();
    EXPECT_EQ(tech.at("reasons"),
              json::parse(R"(["~63% Genre Match", "✓ Same BPM", "Relative Key", "Energy -1"])"));
    EXPECT_EQ(tech.at("breakdown").at("genre"), 62.5);
}

TEST_F(RecommendCli, FindsThePlayingTrackByTitleAndArtistAsADeckShowsThem) {
    struct Case {
        std::vector<std::string> source;
        std::string header;
        std::vector<std::string> ids;
    } cases[] = {
        {{"--title", " night song ", "--artist", "THE BAND"},
         "After The Band \u2013 Night Song  128.00  8A  E6\n",
         {"3", "12", "8", "2"}},
        // Precomposed é on the command line finds the decomposed title in the file.
        {{"--title", "Caf\u00E9", "--artist", "ZO\u00CB "},
         "After Zo\u00EB \u2013 Cafe\u0301  128.00  8A  E6\n",
         {"1", "3", "8", "2"}},
        // Of two tracks with the same artist and title, the first in the file is playing.
        {{"--title", "same", "--artist", "c"},
         "After C \u2013 Same  128.10  8A  E6\n",
         {"1", "12", "8", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.source));
        const CliResult text = recommend(c.source);
        ASSERT_EQ(text.exitCode, 0) << text.err;
        EXPECT_EQ(text.out.substr(0, text.out.find('\n') + 1), c.header);
        std::vector<std::string> arguments = c.source;
        arguments.push_back("--json");
        const CliResult result = recommend(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(idsOf(json::parse(result.out)), c.ids);
    }
}

TEST_F(RecommendCli, EveryBadValueIsNamedOnOneLine) {
    writeTable("{}");
    const std::string help = " (see cuevox-cli --help)\n";
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"--count", "-1"}, 2, "cuevox-cli: --count: must be 0 or more, not -1" + help},
        {{"--count", "2.5"}, 2, "cuevox-cli: --count: must be a whole number, not \"2.5\"" + help},
        {{"--count", "many"},
         2,
         "cuevox-cli: --count: must be a whole number, not \"many\"" + help},
        {{"--weights", "1,2,3"},
         2,
         "cuevox-cli: --weights: needs 4 numbers separated by commas, not 3 in \"1,2,3\"" + help},
        {{"--weights", "1,2,3,4,5"},
         2,
         "cuevox-cli: --weights: needs 4 numbers separated by commas, not 5 in \"1,2,3,4,5\"" +
             help},
        {{"--weights", "1,x,3,4"}, 2, "cuevox-cli: --weights: \"x\" is not a number" + help},
        {{"--weights", "1,,3,4"}, 2, "cuevox-cli: --weights: \"\" is not a number" + help},
        {{"--weights", "1,2,3,4x"}, 2, "cuevox-cli: --weights: \"4x\" is not a number" + help},
        {{"--weights", "1,nan,3,4"},
         2,
         "cuevox-cli: --weights: \"nan\" is not a finite number" + help},
        {{"--weights", "inf,2,3,4"},
         2,
         "cuevox-cli: --weights: \"inf\" is not a finite number" + help},
        {{"--weights", "1e999,2,3,4"},
         2,
         "cuevox-cli: --weights: \"1e999\" is not a finite number" + help},
        {{"--weights", "1,-2,3,4"}, 2, "cuevox-cli: --weights: \"-2\" is negative" + help},
        {{"--bpm-tolerance", "0.15"},
         2,
         "cuevox-cli: --bpm-tolerance: needs 2 numbers separated by commas, not 1 in \"0.15\"" +
             help},
        {{"--bpm-tolerance", "0.15,-1"},
         2,
         "cuevox-cli: --bpm-tolerance: \"-1\" is negative" + help},
        {{"--harmonic", "Strict"},
         2,
         "cuevox-cli: --harmonic: must be strict, balanced or experimental, not \"Strict\"" +
             help},
        {{"--energy", "plusMinus3"},
         2,
         "cuevox-cli: --energy: must be exact, plusMinus1 or plusMinus2, not \"plusMinus3\"" +
             help},
        {{"--genre-mode", "compatible"},
         2,
         "cuevox-cli: --genre-mode: must be exactOnly or compatibleGenres, not \"compatible\"" +
             help},
        {{"--genre-table", "/no/such.json"},
         1,
         "cuevox-cli: cannot read the genre table /no/such.json: no such file\n"},
        {{"--id", "99"}, 1, "cuevox-cli: no track with id \"99\" in " + path + "\n"},
        {{"--title", "Nope", "--artist", "X"},
         1,
         "cuevox-cli: no track titled \"Nope\" by \"X\" in " + path + "\n"},
        // The playing track is required, once.
        {{"--json"}, 2, ""},
        {{"--title", "Near"}, 2, ""},
        {{"--artist", "B"}, 2, ""},
        {{"--id", "1", "--title", "Near", "--artist", "B"}, 2, ""},
        {{"--id", "1", "--count"}, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments = c.arguments;
        if (c.exitCode == 2 && c.err.empty()) {
            // usage errors without a playing track need nothing else
        } else if (arguments[0] != "--id" && arguments[0] != "--title") {
            arguments.insert(arguments.end(), {"--id", "1"});
        }
        const CliResult result = recommend(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        if (c.err.empty()) {
            EXPECT_EQ(result.err.rfind("cuevox-cli: ", 0), 0U) << result.err;
            EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        } else {
            EXPECT_EQ(result.err, c.err);
        }
    }
}

TEST_F(RecommendCli, GenreTableMustBeAnObjectOfObjectsOfLowerCaseNumbers) {
    const std::string prefix = "cuevox-cli: genre table " + tablePath + ": ";
    struct Case {
        std::string contents;
        std::string err;
    } cases[] = {
        {"", "not JSON: parse error at line 1, column 1: syntax error while parsing value - "
             "unexpected end of input; expected '[', '{', or a literal"},
        {"{\"house\": {\"techno\": 0.5}", "not JSON: parse error at line 1, column 26: syntax "
                                          "error while parsing object - unexpected end of input; "
                                          "expected '}'"},
        {"[]", "must be a JSON object of objects of numbers, not an array"},
        {"{\"house\": 0.8}", "the entry for \"house\" must be an object of numbers, not a number"},
        {"{\"house\": {\"techno\": \"0.8\"}}",
         "the value for \"house\" to \"techno\" must be a finite number, not a string"},
        {"{\"house\": {\"techno\": null}}",
         "the value for \"house\" to \"techno\" must be a finite number, not null"},
        {"{\"house\": {\"techno\": 1e999}}", "holds a number too large for a double"},
        {"{\"House\": {\"techno\": 0.5}}",
         "\"House\" has capitals; genre names must be written in lower case"},
        {"{\"house\": {\"Techno\": 0.5}}",
         "\"Techno\" has capitals; genre names must be written in lower case"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contents);
        writeTable(c.contents);
        const CliResult result = recommend({"--id", "1", "--genre-table", tablePath});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, prefix + c.err + "\n");
    }
}

TEST_F(RecommendCli, UnreadableCollectionsExitWithOne) {
    const std::string broken = path + ".broken.xml";
    std::ofstream(broken) << "<DJ_PLAYLISTS><COLLECTION><TRACK";
    struct Case {
        std::string file;
        std::string errStart;
    } cases[] = {
        {"/no/such.xml", "cuevox-cli: fileNotFound(\"/no/such.xml\")\n"},
        {broken, "cuevox-cli: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliResult result = runCli({"recommend", c.file, "--id", "1"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(c.errStart, 0), 0U) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
    std::filesystem::remove(broken);
}

TEST_F(RecommendCli, TextIsAnAlignedTableUnderTheSourceTrack) {
    const CliResult result = recommend({"--id", "1", "--count", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // The decomposed é takes one column, like the precomposed one.
    EXPECT_EQ(result.out,
              "After The Band \u2013 Night Song  128.00  8A  E6\n"
              "#  Score  Track          BPM  Key  E   Genre         Tempo       Harmonic        "
              "  Energy\n"
              "1  100.0  C \u2013 Same    128.10  8A   E6  \u2713 Same Genre  \u2713 Same BPM  "
              "\u2713 Harmonic Match  \u2713 Same Energy\n"
              "2  100.0  Zo\u00EB \u2013 Cafe\u0301  128.00  8A   E6  \u2713 Same Genre  \u2713 "
              "Same BPM  \u2713 Harmonic Match  \u2713 Same Energy\n");

    const CliResult none = recommend({"--id", "1", "--count", "0"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "After The Band \u2013 Night Song  128.00  8A  E6\n"
                        "No track of the collection fits after it with these settings.\n");
}

TEST(RecommendDemoCli, RanksTheDemoCollectionBestFirst) {
    const std::string demo = CUEVOX_SOURCE_DIR "/data/demo-collection.xml";
    const json library = json::parse(runCli({"library", "--json", demo}).out);
    // A playing track with tempo, key and genre, so the ranking has something to do.
    std::string id;
    for (const json& track : library.at("tracks")) {
        if (track.at("bpm").is_number() && track.at("camelotKey").is_string() &&
            track.at("genre").is_string() && track.at("filepath").is_string()) {
            id = track.at("id");
            break;
        }
    }
    ASSERT_FALSE(id.empty());
    const CliResult result = runCli({"recommend", demo, "--id", id, "--json", "--count", "300",
                                     "--harmonic", "experimental", "--bpm-tolerance", "0,50"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json document = json::parse(result.out);
    ASSERT_GT(document.size(), 1U);
    for (std::size_t i = 0; i < document.size(); ++i) {
        SCOPED_TRACE(i);
        const json& entry = document[i];
        EXPECT_NE(entry.at("id"), id);
        EXPECT_EQ(entry.at("reasons").size(), 4U);
        EXPECT_GE(entry.at("score").get<double>(), 0);
        EXPECT_LE(entry.at("score").get<double>(), 100);
        if (i > 0) {
            EXPECT_LE(entry.at("score").get<double>(), document[i - 1].at("score").get<double>());
        }
    }
}

} // namespace
} // namespace cuevox::tests
