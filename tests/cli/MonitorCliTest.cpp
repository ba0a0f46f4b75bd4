#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

const std::string kDemoCollection = std::string(CUEVOX_SOURCE_DIR) + "/data/demo-collection.xml";

std::vector<json> eventsOfType(const json& events, const std::string& type) {
    std::vector<json> found;
    for (const json& event : events) {
        if (event.at("type") == type) {
            found.push_back(event);
        }
    }
    return found;
}

std::string idOrNull(const json& value) {
    return value.is_null() ? "null" : value.get<std::string>();
}

TEST(MonitorCli, DemoFollowsTheSourceDeckThroughTheSet) {
    const CliResult result =
        runCli({"monitor", kDemoCollection, "--demo", "--speed", "50", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const json events = json::parse(result.out); // throws on a second document
    ASSERT_TRUE(events.is_array());

    // Replays the events as the application keeps decks, to check each source event against
    // the decks it follows.
    std::map<int, json> decks;
    std::vector<std::string> deckSequence;
    std::vector<std::string> sources;
    std::set<std::string> recommendedFirst;
    double last = 0;
    for (const json& event : events) {
        SCOPED_TRACE(event.dump());
        const double at = event.at("at");
        EXPECT_GE(at, last);
        last = at;
        const std::string type = event.at("type");
        if (type == "restart") {
            decks.clear();
            deckSequence.push_back("restart");
            continue;
        }
        if (type == "deck") {
            decks[event.at("deck")] = event;
            deckSequence.push_back(std::to_string(event.at("deck").get<int>()) + " " +
                                   event.at("state").get<std::string>() + " " +
                                   idOrNull(event.at("trackID")));
            continue;
        }
        ASSERT_EQ(type, "source");
        if (event.at("deck").is_null()) {
            sources.push_back("none");
            EXPECT_TRUE(decks.empty() || std::all_of(decks.begin(), decks.end(), [](auto& d) {
                            return d.second.at("state") == "empty";
                        }));
            continue;
        }
        const json& deck = decks.at(event.at("deck"));
        EXPECT_EQ(event.at("trackID"), deck.at("trackID"));
        EXPECT_EQ(event.at("title"), deck.at("title"));
        sources.push_back(std::to_string(event.at("deck").get<int>()) + " " +
                          idOrNull(event.at("trackID")));
        const json& recommendations = event.at("recommendations");
        EXPECT_LE(recommendations.size(), 5U);
        double previous = 101;
        for (const json& next : recommendations) {
            EXPECT_NE(next.at("id"), event.at("trackID")) << "the playing track itself";
            EXPECT_LE(next.at("score").get<double>(), previous);
            previous = next.at("score");
        }
        if (!recommendations.empty()) {
            recommendedFirst.insert(recommendations[0].at("id").get<std::string>());
        }
    }

    // Deck 1 opens, deck 2 takes over once deck 1 pauses, deck 1 comes back with a third
    // track, rekordbox restarts (nothing is left), and deck 1 plays the third track again.
    const std::vector<json> deckEvents = eventsOfType(events, "deck");
    ASSERT_GE(deckEvents.size(), 5U) << result.out;
    const std::string first = deckEvents[0].at("trackID");
    std::string second;
    std::string third;
    for (const json& event : deckEvents) {
        if (event.at("deck") == 2 && second.empty()) {
            second = event.at("trackID");
        }
        if (event.at("deck") == 1 && event.at("state") != "empty" && event.at("trackID") != first &&
            third.empty()) {
            third = event.at("trackID");
        }
    }
    ASSERT_FALSE(second.empty());
    ASSERT_FALSE(third.empty());
    EXPECT_NE(first, second);
    EXPECT_NE(second, third);
    EXPECT_EQ(sources, (std::vector<std::string>{"1 " + first, "2 " + second, "1 " + third, "none",
                                                 "1 " + third}))
        << ::testing::PrintToString(deckSequence);
    // Each next track of the set is what the recommendations put first.
    EXPECT_TRUE(recommendedFirst.contains(second));

    const std::vector<std::string> expectedOrder{"1 paused " + first,
                                                 "1 playing " + first,
                                                 "2 paused " + second,
                                                 "2 playing " + second,
                                                 "1 paused " + first,
                                                 "1 empty null",
                                                 "1 paused " + third,
                                                 "1 playing " + third,
                                                 "2 paused " + second,
                                                 "2 paused null",
                                                 "restart",
                                                 "1 paused " + third,
                                                 "1 playing " + third};
    EXPECT_EQ(deckSequence, expectedOrder);
    EXPECT_EQ(deckEvents[9].at("title"), "Unreleased Promo");
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
    void TearDown() override { std::filesystem::remove(path); }

    CliResult run(const std::string& script, std::vector<std::string> extra = {}) {
        std::ofstream(path) << script;
        std::vector<std::string> arguments{
            "monitor", kDemoCollection, "--simulate", path, "--speed", "50", "--json"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runCli(arguments);
    }

    std::string path =
        ::testing::TempDir() + "cuevox-cli-script-" + std::to_string(::getpid()) + ".json";
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
        {"at": 20, "action": "launch"}
    ])",
                                 {"--seconds", "26"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> sequence;
    for (const json& event : json::parse(result.out)) {
        std::string line = event.at("type");
        if (event.at("type") == "deck") {
            line += " " + std::to_string(event.at("deck").get<int>()) + " " +
                    event.at("state").get<std::string>() + " " + idOrNull(event.at("trackID"));
            const double at = event.at("at");
            EXPECT_TRUE(at < 6.5 || at >= 12) << "published without access at " << at;
        } else if (event.at("type") == "source") {
            line += " " + idOrNull(event.at("trackID"));
        }
        sequence.push_back(line);
    }
    // Access comes back at 12: deck 3 is seen paused, deck 4 as a track not in the collection.
    // The quit publishes nothing; the launch is a new process, whose empty decks publish
    // nothing either, but the decks of the old one are gone.
    EXPECT_EQ(sequence,
              (std::vector<std::string>{"deck 3 paused 194966882", "source 194966882",
                                        "deck 3 playing 194966882", "deck 3 paused 194966882",
                                        "deck 4 paused null", "restart", "source null"}));
}

TEST_F(MonitorScript, SecondsBoundTheRun) {
    const CliResult result = run(R"([
        {"at": 0, "action": "load", "deck": 1, "id": "194966882"},
        {"at": 4, "action": "eject", "deck": 1}
    ])",
                                 {"--seconds", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json events = json::parse(result.out);
    ASSERT_EQ(events.size(), 2U) << result.out;
    EXPECT_EQ(events[0].at("state"), "paused");
    EXPECT_EQ(events[1].at("type"), "source");
}

TEST_F(MonitorScript, BadScriptsSayWhatIsWrong) {
    const std::string prefix = "cuevox-cli: " + path + ": ";
    const struct {
        std::string script;
        std::string err; // after the prefix; a prefix itself when it ends in ": "
    } cases[] = {
        {"[{\"at\": 0,}]", "not JSON: "},
        {"", "not JSON: "},
        {R"({"at": 0})", "expected an array of events, found an object"},
        {R"([3])", "event 0 (counting from 0): is a number, not an object"},
        {R"([{"at": 0, "action": "restart"}, {"action": "restart"}])",
         "event 1 (counting from 0): \"at\" must be a number of seconds, 0 or more"},
        {R"([{"at": -1, "action": "restart"}])",
         "event 0 (counting from 0): \"at\" must be a number of seconds, 0 or more"},
        {R"([{"at": "1", "action": "restart"}])",
         "event 0 (counting from 0): \"at\" must be a number of seconds, 0 or more"},
        {R"([{"at": 1e999, "action": "restart"}])", "holds a number too large for a double"},
        {R"([{"at": 0, "action": "Play", "deck": 1}])",
         "event 0 (counting from 0): \"action\" must be one of load, play, pause, eject, quit, "
         "launch, restart, revokeAccess, grantAccess"},
        {R"([{"at": 0}])",
         "event 0 (counting from 0): \"action\" must be one of load, play, pause, eject, quit, "
         "launch, restart, revokeAccess, grantAccess"},
        {R"([{"at": 0, "action": "play", "dek": 1}])",
         "event 0 (counting from 0): unknown field \"dek\""},
        {R"([{"at": 0, "action": "play"}])",
         "event 0 (counting from 0): \"deck\" must be 1, 2, 3 or 4"},
        {R"([{"at": 0, "action": "play", "deck": 5}])",
         "event 0 (counting from 0): \"deck\" must be 1, 2, 3 or 4"},
        {R"([{"at": 0, "action": "play", "deck": 0}])",
         "event 0 (counting from 0): \"deck\" must be 1, 2, 3 or 4"},
        {R"([{"at": 0, "action": "play", "deck": 1.5}])",
         "event 0 (counting from 0): \"deck\" must be 1, 2, 3 or 4"},
        {R"([{"at": 0, "action": "play", "deck": "1"}])",
         "event 0 (counting from 0): \"deck\" must be 1, 2, 3 or 4"},
        {R"([{"at": 0, "action": "restart", "deck": 1}])",
         "event 0 (counting from 0): \"deck\" is not used by restart"},
        {R"([{"at": 0, "action": "play", "deck": 1, "id": "194966882"}])",
         "event 0 (counting from 0): \"id\" is used only by load"},
        {R"([{"at": 0, "action": "load", "deck": 1}])",
         "event 0 (counting from 0): a load needs either \"id\" or \"title\" and \"artist\" "
         "(with \"bpm\" and \"key\")"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "194966882", "title": "T"}])",
         "event 0 (counting from 0): a load needs either \"id\" or \"title\" and \"artist\" "
         "(with \"bpm\" and \"key\")"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": 194966882}])",
         "event 0 (counting from 0): \"id\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "id": "nope"}])",
         "event 0 (counting from 0): no track with id \"nope\" in " + kDemoCollection},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "bpm": 120}])",
         "event 0 (counting from 0): \"artist\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "artist": "A", "key": 8}])",
         "event 0 (counting from 0): \"key\" must be a string"},
        {R"([{"at": 0, "action": "load", "deck": 1, "title": "T", "artist": "A", "bpm": 1000}])",
         "event 0 (counting from 0): \"bpm\" must be a number from 0 to below 1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const CliResult result = run(c.script);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        if (c.err.ends_with(": ")) {
            EXPECT_EQ(result.err.rfind(prefix + c.err, 0), 0U) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        } else {
            EXPECT_EQ(result.err, prefix + c.err + "\n");
        }
    }
}

TEST(MonitorCli, UsageErrorsAndMissingFiles) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {{kDemoCollection}, 2, ""},
        {{kDemoCollection, "--demo", "--simulate", "x.json"}, 2, ""},
        {{kDemoCollection, "--demo", "--seconds", "0"}, 2, ""},
        {{kDemoCollection, "--demo", "--seconds", "-3"}, 2, ""},
        {{kDemoCollection, "--demo", "--speed", "0"}, 2, ""},
        {{"--demo"}, 2, ""},
        {{"/no/such.xml", "--demo"}, 1, "cuevox-cli: fileNotFound(\"/no/such.xml\")\n"},
        {{kDemoCollection, "--simulate", "/no/such.json"},
         1,
         "cuevox-cli: /no/such.json: no such file\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"monitor"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("cuevox-cli: ", 0), 0U) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        if (!c.err.empty()) {
            EXPECT_EQ(result.err, c.err);
        }
    }
}

TEST(MonitorCli, InterruptStopsCleanlyWithOneDocument) {
    // At speed 1 the demo lasts 27 s; the interrupt comes after 3 s, long before the restart.
    const CliResult result = runShell("timeout --preserve-status -s INT 3 " +
                                      cliCommand({"monitor", kDemoCollection, "--demo", "--json"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const json events = json::parse(result.out);
    ASSERT_TRUE(events.is_array());
    if (!events.empty()) {
        EXPECT_EQ(events[0].at("state"), "paused");
    }
    EXPECT_TRUE(eventsOfType(events, "restart").empty());
}

} // namespace
} // namespace cuevox::tests
