#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// Source 1 at 128 BPM in 8A with energy 6; track 4's key is Open Key.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Source" Artist="A" AverageBpm="128.00" Tonality="8A" Comments="E6"
         Genre="House" Location="file:///1.mp3"/>
  <TRACK TrackID="2" Name="Slower" Artist="B" AverageBpm="126.00" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="3" Name="Half" Artist="C" AverageBpm="64.00" Tonality="8A" Comments="E6"
         Location="file:///3.mp3"/>
  <TRACK TrackID="4" Name="Open" Artist="D" AverageBpm="128.00" Tonality="1d" Comments="E6"
         Genre="House" Location="file:///4.mp3"/>
  <TRACK TrackID="5" Name="Higher" Artist="E" AverageBpm="128.00" Tonality="8A" Comments="E8"/>
</COLLECTION><PLAYLISTS><NODE Type="0" Name="ROOT"><NODE Type="0" Name="Crates">
  <NODE Type="1" Name="Peak"><TRACK Key="2"/></NODE>
</NODE></NODE></PLAYLISTS></DJ_PLAYLISTS>)";

class ListModesCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin() + 1, path);
        return runCli(arguments);
    }
    TemporaryDirectory directory;
    std::string path = directory.write("collection.xml", kCollection).string();
};

TEST_F(ListModesCli, EveryOptionReachesTheList) {
    // clang-format off
    struct Case { std::vector<std::string> arguments; std::vector<std::string> ids; } cases[] = {
        {{"--id", "1"}, {"1"}},
        {{"--id", "1", "--pitch-range", "2"}, {"1", "2"}},
        {{"--id", "1", "--half-double"}, {"1", "3"}},
        {{"--id", "1", "--pitch-range", "2", "--deck-bpm", "124"}, {"2"}},
        {{"--id", "1", "--energy-direction", "up"}, {"1", "5"}},
        {{"--playlist", "Crates/Peak"}, {"2"}},
        {{"--id", "1", "--played", "1", "--hide-played"}, {}},
        {{"--hide-played", "--played", "1", "--played", "[2]"}, {"2", "3", "4", "5"}},
        {{"--id", "1", "--half-double", "--vary-artists"}, {"3"}},
        {{"--id", "1", "--open-key"}, {"1", "4"}},
        {{"--key", "1d", "--open-key"}, {"4"}},
        // A repeated id keeps its first place, as the window keeps it: 3, 4 and 5 were last.
        {{"--vary-artists", "--played", "2", "--played", "3", "--played", "4", "--played", "5", "--played", "2"}, {"1", "2"}},
        {{"--id", "1", "--harmonic", "open"}, {"1", "4"}},
        {{"--id", "1", "--style"}, {"1", "2", "3", "4", "5"}},
        {{"--id", "1", "--style", "--energy", "8"}, {"5"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments{"list", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliResult result = run(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(sortedIds(json::parse(result.out).at("tracks")), c.ids);
    }
}

TEST_F(ListModesCli, BadValuesAreUsageErrorsAndAnUnknownPlaylistIsBadInput) {
    // clang-format off
    const struct { std::vector<std::string> arguments; int exitCode; std::string err; } cases[] = {
        {{"--pitch-range", "3"}, 2, usage("--pitch-range: must be 0, 2, 4, 6, 8 or 16, not \"3\"")},
        {{"--pitch-range", "x"}, 2, usage("--pitch-range: must be 0, 2, 4, 6, 8 or 16, not \"x\"")},
        {{"--deck-bpm", "0"}, 2, usage("--deck-bpm: must be a number above 0 and below 1000, not 0")},
        {{"--deck-bpm", "1000"}, 2, usage("--deck-bpm: must be a number above 0 and below 1000, not 1000")},
        {{"--deck-bpm", "nan"}, 2, usage("--deck-bpm: must be a number above 0 and below 1000, not nan")},
        {{"--key", "1d"}, 2, usage("--key: \"1d\" is an Open Key text, read only with --open-key")},
        {{"--energy-direction", "Up"}, 2, usage("--energy-direction: must be hold, up or down, not \"Up\"")},
        {{"--harmonic", "experimental"}, 2, usage("--harmonic: must be strict, balanced or open, not \"experimental\"")},
        {{"--key-lock", "yes"}, 2, usage("--key-lock: must be on or off, not \"yes\"")},
        {{"--playlist", "Crates\tPeak"}, 1, "cuevox-cli: no playlist \"Crates\\tPeak\" in " + path + "\n"},
        {{"--history", "h.m3u8"}, 2, usage("--history requires --style")},
        {{"--style", "--history", "/no/set.m3u8"}, 1, "cuevox-cli: cannot read the history /no/set.m3u8: No such file or directory\n"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::vector<std::string> arguments{"list"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        expectFailure(run(arguments), c.exitCode, c.err);
    }
}

// A playlist named "A/B" is one playlist with that name, and a playlist B in a folder A has the
// same joined path: --playlist lists both and says so; the JSON tells their paths apart.
TEST_F(ListModesCli, PlaylistsSharingAPathAreListedTogetherWithANote) {
    const char* const xml = R"(<C>
      <TRACK TrackID="1" Name="One"/><TRACK TrackID="2" Name="Two"/><TRACK TrackID="3" Name="3"/>
      <NODE Name="ROOT"><NODE Name="A"><NODE Name="B" Type="1"><TRACK Key="1"/></NODE></NODE>
      <NODE Name="A/B" Type="1"><TRACK Key="2"/></NODE></NODE></C>)";
    const std::string shared = directory.write("shared.xml", xml).string();
    const CliResult list = runCli({"list", shared, "--playlist", "A/B", "--json"});
    EXPECT_EQ(sortedIds(json::parse(list.out).at("tracks")), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(list.err, "cuevox-cli: note: 2 playlists have the path \"A/B\"; listing the "
                        "tracks of all of them\n");
    const json playlists = json::parse(runCli({"library", shared, "--json"}).out).at("playlists");
    EXPECT_EQ(playlists.at(0).at("path"), json::parse(R"(["A", "B"])"));
    EXPECT_EQ(playlists.at(1).at("path"), json::parse(R"(["A/B"])"));
}

TEST_F(ListModesCli, StyleRanksByYourSetsAndSaysWhy) {
    const std::string history =
        directory.write("HISTORY 2024-05-17.m3u8", "#EXTM3U\n/1.mp3\n/3.mp3\n").string();
    const json tracks =
        json::parse(run({"list", "--id", "1", "--style", "--history", history, "--json"}).out)
            .at("tracks");
    EXPECT_EQ(tracks.at(0).at("id"), "3");
    EXPECT_EQ(tracks.at(0).at("style").at("reason"), "played after it 1\u00D7");
    EXPECT_TRUE(tracks.back().at("style").is_null()) << "the playing track";
    EXPECT_FALSE(
        json::parse(run({"list", "--id", "1", "--json"}).out).at("tracks")[0].contains("style"));
    const std::string text = run({"list", "--id", "1", "--style", "--history", history}).out;
    EXPECT_NE(text.find("Half  64.00  8A  E6  -  played after it 1\u00D7\n"), std::string::npos)
        << text;
}

// Each track's strongest reason, in words: a crate shared with the playing track, a set that
// played it before, its date added, the DJ's usual tempo step, or the list's own score.
TEST_F(ListModesCli, EachStyleReasonInTheTextList) {
    const auto track = [](int id, const char* name, const std::string& more) {
        return "<TRACK TrackID=\"" + std::to_string(id) + "\" Name=\"" + name + "\" Artist=\"A\" " +
               more + " Location=\"file:///" + std::to_string(id) + ".mp3\"/>";
    };
    const std::string far = R"(AverageBpm="100" Tonality="3B" Comments="E1" Genre="Rock")";
    // clang-format off
    const std::string collection = "<DJ_PLAYLISTS><COLLECTION>" +
        track(1, "Source", R"(AverageBpm="128" Tonality="8A" Comments="E6" Genre="House" DateAdded="2024-01-01")") +
        track(2, "Crate", far) +
        track(3, "Before", far) +
        track(4, "SameDay", far + R"( DateAdded="2024-01-01")") +
        track(5, "Week", far + R"( DateAdded="2024-01-04")") +
        track(6, "Month", far + R"( DateAdded="2024-01-21")") +
        track(7, "List", R"(AverageBpm="128" Tonality="8A" Comments="E6" Genre="House")") +
        track(8, "Step", R"(AverageBpm="128" Tonality="5A" Comments="E1" Genre="Rock")") +
        track(9, "Stepped", R"(AverageBpm="130" Tonality="6A" Comments="E1" Genre="Rock")") +
        R"(</COLLECTION><PLAYLISTS><NODE Type="0" Name="ROOT">
           <NODE Type="1" Name="Peak"><TRACK Key="1"/><TRACK Key="2"/></NODE>
           </NODE></PLAYLISTS></DJ_PLAYLISTS>)";
    const std::pair<const char*, const char*> reasons[] = {
        {"Crate", "in 1 of your crates"},
        {"Before", "played before it 1\u00D7"},
        {"SameDay", "added the same day"},
        {"Week", "added the same week"},
        {"Month", "added 20 days apart"},
        {"List", "list score 100"},
        {"Stepped", "your usual +2 % tempo step"},
        {"Source", "-"},
    };
    // clang-format on
    const CliResult result =
        runCli({"list", directory.write("style.xml", collection), "--id", "1", "--style",
                "--history", directory.write("a.m3u8", "/3.mp3\n/1.mp3\n"), "--history",
                directory.write("b.m3u8", "/8.mp3\n/9.mp3\n")});
    ASSERT_EQ(result.err, "");
    for (const auto& [name, reason] : reasons) {
        const std::size_t row = result.out.find(std::string("A \u2013 ") + name + "  ");
        ASSERT_NE(row, std::string::npos) << name << '\n' << result.out;
        const std::string line = result.out.substr(row, result.out.find('\n', row) - row);
        EXPECT_TRUE(line.ends_with(std::string("  ") + reason)) << line;
    }
}

TEST_F(ListModesCli, PitchShowsOnlyInTheTempoMode) {
    const json plain = json::parse(run({"list", "--id", "1", "--json"}).out).at("tracks");
    EXPECT_FALSE(plain[0].contains("pitch"));
    const json unscored = json::parse(run({"list", "--half-double", "--json"}).out).at("tracks");
    ASSERT_EQ(unscored.size(), 5U);
    for (const json& row : unscored) {
        EXPECT_TRUE(row.at("pitch").is_null());
    }
    const json pitched =
        json::parse(run({"list", "--id", "1", "--pitch-range", "2", "--json"}).out).at("tracks");
    EXPECT_EQ(pitched[1].at("id"), "2");
    EXPECT_NEAR(pitched[1].at("pitch").get<double>(), (128.0 / 126 - 1) * 100, 1e-9);

    const std::string text = run({"list", "--id", "1", "--pitch-range", "2"}).out;
    EXPECT_NE(text.find("B \u2013 Slower  126.00  +1.6 %  8A  E6"), std::string::npos) << text;
}

TEST_F(ListModesCli, KeyMovesAndHeardKeysShowOnlyWhenAsked) {
    const json plain = json::parse(run({"list", "--id", "1", "--json"}).out).at("tracks");
    EXPECT_FALSE(plain[0].contains("relation"));
    // 126 played at 128 is 0.27 semitones up: still 8A, and a quarter off it.
    const json heard = json::parse(run({"list", "--id", "1", "--pitch-range", "2", "--key-lock",
                                        "off", "--deck-bpm", "128", "--json"})
                                       .out)
                           .at("tracks");
    EXPECT_EQ(heard[0], json::parse(R"({"id": "1", "score": 100.0, "pitch": 0.0,
                                        "relation": "same", "heardKey": "8A"})"));
    const std::string text =
        run({"list", "--id", "1", "--pitch-range", "2", "--key-lock", "off"}).out;
    EXPECT_NE(text.find("126.00  +1.6 %  8A \u2192 \u22488A  same  E6"), std::string::npos) << text;
    const json moves =
        json::parse(run({"list", "--open-key", "--key-moves", "--json"}).out).at("tracks");
    EXPECT_TRUE(moves[0].at("relation").is_null()) << "no playing key";
    EXPECT_TRUE(moves[0].at("heardKey").is_null());
}

// The text list names each move as DJs count or call it.
TEST_F(ListModesCli, EachKeyMoveInTheTextList) {
    // clang-format off
    const std::pair<const char*, const char*> moves[] = {
        {"8A", "same"}, {"9A", "+1"}, {"7A", "\u22121"}, {"10A", "+2"}, {"6A", "\u22122"},
        {"9B", "diagonal"}, {"3A", "semitone up"}, {"1A", "semitone down"},
    };
    // clang-format on
    std::string collection = "<DJ_PLAYLISTS><COLLECTION>";
    std::vector<std::string> arguments{"list", "--id", "1", "--key-moves"};
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        collection += "<TRACK TrackID=\"" + std::to_string(i + 1) +
                      "\" Name=\"T\" AverageBpm=\"128\" Tonality=\"" + moves[i].first +
                      "\" Comments=\"E6\"/>";
        arguments.insert(arguments.end(), {"--key", moves[i].first});
    }
    arguments.insert(arguments.begin() + 1,
                     directory.write("keys.xml", collection + "</COLLECTION></DJ_PLAYLISTS>"));
    const CliResult result = runCli(arguments);
    const std::string text = result.out;
    ASSERT_EQ(result.err, "");
    for (const auto& [key, move] : moves) {
        EXPECT_NE(text.find(std::string("  ") + key + "  " + move + "  E6"), std::string::npos)
            << key << '\n'
            << text;
    }
}

TEST_F(ListModesCli, OpenKeyReachesEveryReader) {
    EXPECT_EQ(runCli({"key", "1m", "6d", "--open-key"}).out, "1m\t8A\n6d\t1B\n");
    EXPECT_EQ(runCli({"key", "1m"}).out, "1m\t-\n");
    const auto keyOf = [&](std::vector<std::string> arguments) {
        return json::parse(run(arguments).out).at("tracks")[3].at("camelotKey");
    };
    EXPECT_EQ(keyOf({"library", "--json", "--open-key"}), "8B");
    EXPECT_TRUE(keyOf({"library", "--json"}).is_null());
    // Track 4 alone has a file, so it is the one recommendation.
    const auto harmonicOf4 = [&](std::vector<std::string> arguments) {
        return json::parse(run(arguments).out).at(0).at("breakdown").at("harmonic");
    };
    EXPECT_EQ(harmonicOf4({"recommend", "--id", "1", "--json", "--open-key"}), 90);
    EXPECT_EQ(harmonicOf4({"recommend", "--id", "1", "--json"}), 50);
}

} // namespace
} // namespace cuevox::tests
