#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

const std::string kDemoCollection = std::string(CUEVOX_SOURCE_DIR) + "/data/demo-collection.xml";

// One line per event: its type, deck, state, track, and for a source its title and first next.
std::vector<std::string> summary(const json& events) {
    std::vector<std::string> lines;
    double last = 0;
    for (const json& event : events) {
        EXPECT_GE(event.at("at").get<double>(), last) << event.dump();
        last = event.at("at");
        std::string line = event.at("type");
        for (const char* field : {"deck", "state", "trackID"}) {
            if (event.contains(field)) {
                line += " " + (event.at(field).is_string() ? event.at(field).get<std::string>()
                                                           : event.at(field).dump());
            }
        }
        if (line.starts_with("source ") && !event.at("deck").is_null()) {
            const json& next = event.at("recommendations");
            line += " " + event.at("title").get<std::string>() + " > " +
                    (next.empty() ? "-" : next[0].at("id").get<std::string>());
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(MonitorCli, DemoFollowsTheSourceDeckThroughTheSet) {
    // Deck 1 opens, deck 2 takes over once deck 1 pauses, deck 1 comes back with a third
    // track, rekordbox restarts (nothing is left), and deck 1 plays the third track again.
    const CliResult result =
        runCli({"monitor", kDemoCollection, "--demo", "--speed", "50", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> expected{
        "deck 1 paused 60101699",
        "source 1 60101699 \"Stekskolzond Heat\" (Live) > 72279392",
        "deck 1 playing 60101699",
        "deck 2 paused 72279392",
        "deck 2 playing 72279392",
        "deck 1 paused 60101699",
        "source 2 72279392 Horizon (Instrumental) > 23595196",
        "deck 1 empty null",
        "deck 1 paused 23595196",
        "deck 1 playing 23595196",
        "source 1 23595196 Horizon (VIP) > 72279392",
        "deck 2 paused 72279392",
        "deck 2 paused null",
        "restart",
        "source null null",
        "deck 1 paused 23595196",
        "source 1 23595196 Horizon (VIP) > 72279392",
        "deck 1 playing 23595196",
    };
    const json events = json::parse(result.out); // throws on a second document
    EXPECT_EQ(summary(events), expected);
    EXPECT_EQ(events.at(12).at("title"), "Unreleased Promo");
}

TEST(MonitorCli, TextOutputShowsDecksRestartAndRecommendations) {
    const CliResult result = runCli({"monitor", kDemoCollection, "--demo", "--speed", "50"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* expected :
         {"s  DECK 1  paused  ", "s  DECK 1  playing ", "s  DECK 1  empty\n", "s  source: DECK 1, ",
          ", next:\n           1. ", "(not in collection)\n",
          "s  rekordbox restarted under a new process id: every deck is forgotten\n",
          "s  source: none, nothing to recommend\n"}) {
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
    }
}

class MonitorScript : public ::testing::Test {
protected:
    CliResult run(const std::string& script, std::vector<std::string> extra = {}) {
        directory.write("script.json", script);
        std::vector<std::string> arguments{
            "monitor", kDemoCollection, "--simulate", path, "--speed", "50", "--json"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runCli(arguments);
    }

    TemporaryDirectory directory;
    const std::string path = (directory.path() / "script.json").string();
};

TEST_F(MonitorScript, PlaysTheTimelineOfAScript) {
    // 194966882 is in the collection; a deck without access or without rekordbox shows nothing.
    const CliResult result = run(R"([
        {"at": 0, "action": "load", "deck": 3, "id": "194966882"},
        {"at": 3, "action": "play", "deck": 3},
        {"at": 6, "action": "revokeAccess"},
        {"at": 7, "action": "load", "deck": 4, "title": "Dub", "artist": "X", "bpm": 92,
         "key": "Am"},
        {"at": 8, "action": "pause", "deck": 3},
        {"at": 12, "action": "grantAccess"},
        {"at": 18, "action": "quit"},
        {"at": 20, "action": "launch"},
        {"at": 27, "action": "load", "deck": 1, "id": "194966882"}
    ])",
                                 {"--seconds", "26"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json events = json::parse(result.out);
    for (const json& event : events) {
        const double at = event.at("at");
        EXPECT_TRUE(event.at("type") != "deck" || at < 6.5 || at >= 12) << "without access " << at;
    }
    // Access comes back at 12: deck 3 is seen paused, deck 4 as a track not in the collection.
    // The quit publishes nothing; the launch is a new process, whose empty decks publish
    // nothing either, but the decks of the old one are gone. The run ends before the last load.
    EXPECT_EQ(summary(events), (std::vector<std::string>{
                                   "deck 3 paused 194966882",
                                   "source 3 194966882 Pondskashial (Dub) > -",
                                   "deck 3 playing 194966882",
                                   "deck 3 paused 194966882",
                                   "deck 4 paused null",
                                   "restart",
                                   "source null null",
                               }));
}

// Decks showing no tempo ("--.--" for 203606657, "0.00"), a key of dashes or, read with
// --open-key, a key such as 1m are decks all the same: deck 4 is reported as deck 4.
TEST_F(MonitorScript, DecksWithoutATempoOrWithAnOpenKeyKeepTheirNumbers) {
    const CliResult result = run(R"([
        {"at": 0, "action": "load", "deck": 1, "id": "203606657"},
        {"at": 0, "action": "load", "deck": 2, "title": "Z", "artist": "Z", "bpm": 0, "key": "---"},
        {"at": 0, "action": "load", "deck": 3, "title": "O", "artist": "O", "bpm": 120, "key": "1m"},
        {"at": 0, "action": "load", "deck": 4, "id": "194966882"},
        {"at": 1, "action": "play", "deck": 4}
    ])",
                                 {"--seconds", "2", "--open-key"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(summary(json::parse(result.out)),
              (std::vector<std::string>{"deck 1 paused 203606657", "source 1 203606657 Station > -",
                                        "deck 2 paused null", "deck 3 paused null",
                                        "deck 4 paused 194966882", "deck 4 playing 194966882",
                                        "source 4 194966882 Pondskashial (Dub) > -"}));
}

TEST_F(MonitorScript, ListModesAimAtTheTempoTheSourceDeckShows) {
    // Horizon (Instrumental) is at 121.00 in the collection; deck 1 shows it pitched up 2 %.
    const std::string script = R"([
        {"at": 0, "action": "load", "deck": 1, "id": "72279392", "bpm": 123.42},
        {"at": 2, "action": "play", "deck": 1},
        {"at": 4, "action": "load", "deck": 1, "id": "72279392"}
    ])";
    const CliResult plain = run(script, {"--seconds", "5"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(summary(json::parse(plain.out)),
              (std::vector<std::string>{"deck 1 paused 72279392",
                                        "source 1 72279392 Horizon (Instrumental) > 23595196",
                                        "deck 1 playing 72279392", "deck 1 paused 72279392"}))
        << "the same track at another tempo is the same source";
    EXPECT_EQ(plain.out.find("\"pitch\""), std::string::npos);

    const CliResult live = run(script, {"--seconds", "5", "--pitch-range", "2", "--hide-played"});
    ASSERT_EQ(live.exitCode, 0) << live.err;
    const json events = json::parse(live.out);
    EXPECT_EQ(summary(events),
              (std::vector<std::string>{"deck 1 paused 72279392",
                                        "source 1 72279392 Horizon (Instrumental) > 18291367",
                                        "deck 1 playing 72279392", "deck 1 paused 72279392",
                                        "source 1 72279392 Horizon (Instrumental) > 60101699"}))
        << "a new aim when the deck's tempo moves";
    for (const auto& [event, deckBPM] : {std::pair(1, 123.42), std::pair(4, 121.0)}) {
        SCOPED_TRACE(deckBPM);
        const json& next = events.at(event).at("recommendations");
        ASSERT_FALSE(next.empty());
        for (const json& row : next) {
            EXPECT_NE(row.at("id"), "72279392") << "neither the playing nor a played track";
            EXPECT_NEAR(row.at("pitch").get<double>(),
                        (deckBPM / row.at("bpm").get<double>() - 1) * 100, 1e-9);
        }
    }
}

// In text, a source with nothing after it says why: nothing fits, or it is not in the collection.
TEST_F(MonitorScript, TextSaysWhyNothingIsRecommended) {
    directory.write("script.json", R"([
        {"at": 0, "action": "load", "deck": 1, "id": "194966882"},
        {"at": 1, "action": "load", "deck": 2, "title": "Dub", "artist": "X", "bpm": 92, "key": "Am"},
        {"at": 2, "action": "play", "deck": 2}
    ])");
    const CliResult result =
        runCli({"monitor", kDemoCollection, "--simulate", path, "--speed", "50", "--seconds", "3"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* expected :
         {"s  source: DECK 1, Th\u00E9 Kyrb\u00E1lf\u00E9\u00F1ds \u2013 Pondskashial (Dub): no "
          "track "
          "fits after it\n",
          "s  source: DECK 2, X \u2013 Dub is not in the collection: nothing to recommend\n"}) {
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
    }
}

TEST_F(MonitorScript, BadScriptsSayWhatIsWrong) {
    const std::string prefix = "cuevox-cli: " + path + ": ";
    const std::string e0 = "event 0 (counting from 0): ", e1 = "event 1 (counting from 0): ";
    const std::string seconds = "\"at\" must be a number of seconds, 0 or more";
    const std::string actions = "\"action\" must be one of load, play, pause, eject, quit, "
                                "launch, restart, revokeAccess, grantAccess";
    const std::string decks = "\"deck\" must be 1, 2, 3 or 4";
    const std::string loads = "a load needs either \"id\" or \"title\" and \"artist\" (with "
                              "\"bpm\" and \"key\")";
    // The error after the prefix; a prefix itself when it ends in ": ".
    // clang-format off
    const struct { std::string script, err; } cases[] = {
        {"[{\"at\": 0,}]", "not JSON: "},
        {"", "not JSON: "},
        {R"({"at": 0})", "expected an array of events, found an object"},
        {R"([3])", e0 + "is a number, not an object"},
        {R"([{"at": 0, "action": "restart"}, {"action": "restart"}])", e1 + seconds},
        {R"([{"at": -1, "action": "restart"}])", e0 + seconds},
        {R"([{"at": "1", "action": "restart"}])", e0 + seconds},
        {R"([{"at": 1e999, "action": "restart"}])", "holds a number too large for a double"},
        {R"([{"at": 0, "action": "Play", "deck": 1}])", e0 + actions},
        {R"([{"at": 0}])", e0 + actions},
        {R"([{"at": 0, "action": "play", "dek": 1}])", e0 + "unknown field \"dek\""},
        {R"([{"at": 0, "action": "play"}])", e0 + decks},
        {R"([{"at": 0, "action": "play", "deck": 5}])", e0 + decks},
        {R"([{"at": 0, "action": "play", "deck": 0}])", e0 + decks},
        {R"([{"at": 0, "action": "play", "deck": 1.5}])", e0 + decks},
        {R"([{"at": 0, "action": "play", "deck": "1"}])", e0 + decks},
        {R"([{"at": 0, "action": "restart", "deck": 1}])", e0 + "\"deck\" is not used by restart"},
        {R"([{"at": 0, "action": "play", "deck": 1, "id": "194966882"}])", e0 + "\"id\" is used only by load"},
        {R"([{"at": 0, "action": "load", "deck": 1}])", e0 + loads},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "194966882", "title": "T"}])", e0 + loads},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": 194966882}])", e0 + "\"id\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "nope"}])", e0 + "no track with id \"nope\" in " + kDemoCollection},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "bpm": 120}])", e0 + "\"artist\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "artist": "A", "key": 8}])", e0 + "\"key\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "artist": "A", "bpm": 1000}])", e0 + "\"bpm\" must be a number from 0 to below 1000"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "194966882", "bpm": -1}])", e0 + "\"bpm\" must be a number from 0 to below 1000"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "194966882", "bpm": 90, "key": "8A"}])", e0 + loads},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const CliResult result = run(c.script);
        const bool start = c.err.ends_with(": ") && result.err.starts_with(prefix + c.err) &&
                           std::count(result.err.begin(), result.err.end(), '\n') == 1;
        expectFailure(result, 1, start ? result.err : prefix + c.err + "\n");
    }
}

TEST(MonitorCli, UsageErrorsAndMissingFiles) {
    // clang-format off
    const struct { std::vector<std::string> arguments; int exitCode; std::string err; } cases[] = {
        {{kDemoCollection}, 2, usage("monitor: this build reads no real rekordbox: use --demo or --simulate SCRIPT")},
        {{kDemoCollection, "--demo", "--simulate", "x.json"}, 2, usage("--demo excludes --simulate")},
        {{kDemoCollection, "--demo", "--seconds", "0"}, 2, usage("--seconds: must be a number of seconds above 0, not 0")},
        {{kDemoCollection, "--demo", "--speed", "0"}, 2, usage("--speed must be a number from 0.01 to 1000, not 0")},
        {{"--demo"}, 2, usage("FILE is required")},
        {{"/no/such.xml", "--demo"}, 1, "cuevox-cli: fileNotFound(\"/no/such.xml\")\n"},
        {{kDemoCollection, "--simulate", "/no/such.json"}, 1, "cuevox-cli: /no/such.json: no such file\n"},
        {{kDemoCollection, "--demo", "--playlist", "Nope"}, 1, "cuevox-cli: no playlist \"Nope\" in " + kDemoCollection + "\n"},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"monitor"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(arguments));
        expectFailure(runCli(arguments), c.exitCode, c.err);
    }
}

TEST(MonitorCli, InterruptStopsCleanlyWithOneDocument) {
    // At speed 1 the demo lasts 27 s; the interrupt comes after 3 s, long before the restart.
    const CliResult result =
        runProcess({CUEVOX_CLI_PATH, "monitor", kDemoCollection, "--demo", "--json"},
                   {std::chrono::seconds(3), SIGINT});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const json events = json::parse(result.out);
    EXPECT_TRUE(events.empty() || events[0].at("state") == "paused");
    EXPECT_EQ(result.out.find("restart"), std::string::npos);
}

} // namespace
} // namespace cuevox::tests
