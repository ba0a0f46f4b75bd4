#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

const std::string kDemo = CUEVOX_SOURCE_DIR "/data/demo-collection.xml";

TEST(Cli, KeyPrintsOneLinePerTextInArgumentOrder) {
    const CliResult result = runCli({"key", "Am", "08a", "H", "F\u266Fm", " 12B "});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Am\t8A\n08a\t8A\nH\t-\nF\u266Fm\t11A\n 12B \t12B\n");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, KeyJsonIsOneDocumentWithNullForUnreadableTexts) {
    const CliResult result = runCli({"key", "--json", "Db major", "1m", ""});
    ASSERT_EQ(result.exitCode, 0);
    const json document = json::parse(result.out);
    EXPECT_EQ(document, json::parse(R"([
        {"text": "Db major", "camelot": "3B"},
        {"text": "1m", "camelot": null},
        {"text": "", "camelot": null}])"));
}

TEST(Cli, TagsReadsTagAndEnergySeparately) {
    const CliResult result =
        runCli({"tags", "--json", "Deep 8A - 7 Energy tune", "Energy 11 / E5", "1A - 0 Energy"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(json::parse(result.out), json::parse(R"([
        {"text": "Deep 8A - 7 Energy tune", "tagKey": "8A", "tagEnergy": 7, "energy": null},
        {"text": "Energy 11 / E5", "tagKey": null, "tagEnergy": null, "energy": 5},
        {"text": "1A - 0 Energy", "tagKey": "1A", "tagEnergy": null, "energy": null}])"));

    const CliResult text = runCli({"tags", "8A - 7 Energy", "E6"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "8A - 7 Energy\ttag key 8A\ttag energy 7\tenergy -\n"
                        "E6\ttag key -\ttag energy -\tenergy 6\n");
}

TEST(Cli, JsonKeepsIllFormedArgumentsReadable) {
    const CliResult result = runCli({"key", "--json", "8A\xFF"});
    ASSERT_EQ(result.exitCode, 0);
    const json document = json::parse(result.out);
    EXPECT_EQ(document.at(0).at("text"), "8A\uFFFD");
}

// CLI11 would read "[a,b]" as two values and "[E8]" as E8.
TEST(Cli, TextArgumentsAreTakenExactlyAsGiven) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string out; // a prefix
        std::string err;
    } cases[] = {
        {{"tags", "--", "[E8]"}, 0, "[E8]\ttag key -\ttag energy -\tenergy 8\n", ""},
        {{"tags", "[a,b]", "c"}, 0, "[a,b]\ttag key -\ttag energy -\tenergy -\nc\t", ""},
        {{"key", "[8A]", "9A"}, 0, "[8A]\t-\n9A\t9A\n", ""},
        {{"list", kDemo, "--genre", "[House]"}, 0, "No playing track: 0 tracks\n", ""},
        {{"list", kDemo, "--key", "[8A,9A]"},
         2,
         "",
         "cuevox-cli: --key: not a key: [8A,9A] (see cuevox-cli --help)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out.rfind(c.out, 0), 0U) << result.out;
        EXPECT_EQ(result.err, c.err);
    }
}

// Whatever the files and arguments, an exit code and at most one line that quotes no input
// unescaped: no crash, no hang, no unbounded read.
TEST(Cli, HostileInputsEndInAnExitCodeAndOneLine) {
    const std::string dir =
        ::testing::TempDir() + "cuevox-cli-hostile-" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(dir + "x\ny.xml");
    const std::string fifo = dir + "fifo";
    ::mkfifo(fifo.c_str(), 0600);
    std::ofstream(dir + "deep.json") << "{\"house\": {\"techno\": " << std::string(100000, '[')
                                     << std::string(100000, ']') << "}}";
    std::ofstream(dir + "long.xml")
        << "<C><TRACK TrackID=\"1\" Name=\"T\" Artist=\"A\" TotalTime=\"1e300\" AverageBpm=\"128\" "
           "Tonality=\"8A\"/></C>";
    std::ofstream(dir + "play.json")
        << R"([{"at": 0, "action": "load", "deck": 1, "id": "1"}, {"at": 0.2, "action": "play", "deck": 1}])";
    const auto cli = [](const std::vector<std::string>& arguments) {
        return "timeout 20 " + cliCommand(arguments);
    };
    const std::string usage = " (see cuevox-cli --help)\n";
    const struct {
        std::string command;
        int exitCode;
        std::string err;
    } cases[] = {
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", dir + "deep.json"}), 1,
         "cuevox-cli: genre table " + dir + "deep.json: nested more than 64 deep\n"},
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", "/dev/zero"}), 1,
         "cuevox-cli: cannot read the genre table /dev/zero: not a regular file\n"},
        {cli({"decks", fifo}), 1, "cuevox-cli: " + fifo + ": not a regular file\n"},
        {cli({"decks"}) + " </dev/zero", 1,
         "cuevox-cli: stdin: is larger than 8 MiB, far more than such a file holds\n"},
        {"printf '[\"secret' | " + cli({"decks"}), 1,
         "cuevox-cli: stdin: not JSON: parse error at line 1, column 9: syntax error while parsing "
         "value - invalid string: missing closing quote\n"},
        {cli({"monitor", kDemo, "--demo", "--seconds", "nan"}), 2,
         "cuevox-cli: --seconds: must be a number of seconds above 0, not nan" + usage},
        {cli({"monitor", kDemo, "--demo", "--seconds", "inf"}), 2,
         "cuevox-cli: --seconds: must be a number of seconds above 0, not inf" + usage},
        {cli({"monitor", kDemo, "--demo", "--speed", "nan"}), 2,
         "cuevox-cli: --speed must be a number from 0.01 to 1000, not nan" + usage},
        {cli({"monitor", dir + "long.xml", "--simulate", dir + "play.json", "--seconds", "1",
              "--speed", "10", "--json"}) +
             " >/dev/null",
         0, ""},
        {cli({"library", dir + "x\ny.xml"}), 1,
         "cuevox-cli: " + dir + "x\\ny.xml: not a regular file\n"},
        {cli({"decks", dir + "\x1B[2J.json"}), 1,
         "cuevox-cli: " + dir + "\\u{1B}[2J.json: no such file\n"},
        {cli({"list", kDemo, "--id", "a\nb"}), 1,
         "cuevox-cli: no track with id \"a\\nb\" in " + kDemo + "\n"},
        {cli({"list", kDemo, "--key", "8\nA"}), 2, "cuevox-cli: --key: not a key: 8\\nA" + usage},
        {cli({"key", "8A"}) + " >/dev/full", 1, "cuevox-cli: cannot write the output\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CliResult result = runShell(c.command);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.err);
    }
    std::filesystem::remove_all(dir);
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLineOnStderr) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"key"}, {"tags"}, {"nonsense"}, {"key", "--bogus", "8A"},
    };
    for (const auto& arguments : cases) {
        std::string joined;
        for (const std::string& argument : arguments) {
            joined += argument + " ";
        }
        SCOPED_TRACE(joined);
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("cuevox-cli: ", 0), 0U) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

TEST(Cli, HelpOnEverySubcommandExitsWithZero) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--help"}, {"key", "--help"}, {"tags", "--help"}}) {
        SCOPED_TRACE(arguments.front());
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.out.find("Usage"), std::string::npos) << result.out;
    }
}

} // namespace
} // namespace cuevox::tests
