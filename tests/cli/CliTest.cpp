#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

const std::string kDemo = CUEVOX_SOURCE_DIR "/data/demo-collection.xml";

TEST(Cli, KeyTagsAndHelpPrintWhatWasAskedAndExitWithZero) {
    // clang-format off
    const struct { std::vector<std::string> arguments; std::string out; } cases[] = {
        {{"key", "Am", "H", " 12B "}, "Am\t8A\nH\t-\n 12B \t12B\n"},
        {{"key", "--json", "Db major", "1m", "8A\xFF"}, R"([{"text": "Db major", "camelot": "3B"}, {"text": "1m", "camelot": null}, {"text": "8A\uFFFD", "camelot": null}])"},
        {{"tags", "8A - 7 Energy", "E6"}, "8A - 7 Energy\ttag key 8A\ttag energy 7\tenergy -\nE6\ttag key -\ttag energy -\tenergy 6\n"},
        {{"tags", "--json", "8A - 7 Energy", "E5"}, R"([{"text": "8A - 7 Energy", "tagKey": "8A", "tagEnergy": 7, "energy": null}, {"text": "E5", "tagKey": null, "tagEnergy": null, "energy": 5}])"},
        // CLI11 would read "[a,b]" as two values and "[E8]" as E8.
        {{"tags", "--", "[E8]", "[a,b]"}, "[E8]\ttag key -\ttag energy -\tenergy 8\n[a,b]\ttag key -\ttag energy -\tenergy -\n"},
        {{"key", "[8A]"}, "[8A]\t-\n"},
        {{"list", kDemo, "--genre", "[House]"}, "No playing track: 0 tracks\n"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, 0);
        if (c.arguments[1] == "--json") {
            EXPECT_EQ(json::parse(result.out), json::parse(c.out));
        } else {
            EXPECT_EQ(result.out.substr(0, c.out.size()), c.out);
        }
        EXPECT_EQ(result.err, "");
    }
}

// Whatever the files and arguments, an exit code and one line that quotes no input unescaped:
// no crash, no hang, no unbounded read.
TEST(Cli, HostileInputsEndInAnExitCodeAndOneLine) {
    const TemporaryDirectory directory;
    const std::string dir = directory.path().string() + "/";
    std::filesystem::create_directories(dir + "x\ny.xml");
    const std::string fifo = dir + "fifo";
    ::mkfifo(fifo.c_str(), 0600);
    std::filesystem::resize_file(directory.write("big.json", ""), 9 << 20); // sparse
    directory.write("deep.json", "{\"house\": {\"techno\": " + std::string(100000, '[') +
                                     std::string(100000, ']') + "}}");
    directory.write(
        "long.xml",
        R"(<C><TRACK TrackID="1" Name="T" Artist="A" TotalTime="1e300" AverageBpm="128" Tonality="8A"/></C>)");
    directory.write("play.json", R"([{"at": 0, "action": "load", "deck": 1, "id": "1"},
                                     {"at": 0.2, "action": "play", "deck": 1}])");
    // Texts of 7 MB are quoted by their first 80 characters.
    const std::string huge(7'000'000, 'x'), cut = std::string(80, 'x') + "\u2026";
    directory.write("name.json", R"({"house": {"X)" + huge + R"(": 1}})");
    directory.write("row.json", R"({")" + huge + R"(": 1})");
    directory.write("id.json",
                    R"([{"at": 0, "action": "load", "deck": 1, "id": ")" + huge + "\"}]");
    directory.write("field.json", R"([{"at": 0, ")" + huge + "\": 1}]");
    const auto cli = cliCommand;
    // clang-format off
    const struct { std::string command; int exitCode; std::string err; } cases[] = {
        {cli({}), 2, "cuevox-cli: A subcommand is required (see cuevox-cli --help)\n"},
        {cli({"key"}), 2, usage("TEXT is required")},
        {cli({"key", "--bogus", "8A"}), 2, usage("The following argument was not expected: --bogus")},
        {cli({"list", kDemo, "--key", "[8A,9A]"}), 2, usage("--key: not a key: [8A,9A]")},
        {cli({"list", kDemo, "--key", "8\nA"}), 2, usage("--key: not a key: 8\\nA")},
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", dir + "deep.json"}), 1, "cuevox-cli: genre table " + dir + "deep.json: nested more than 64 deep\n"},
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", "/dev/zero"}), 1, "cuevox-cli: cannot read the genre table /dev/zero: not a regular file\n"},
        {cli({"decks", fifo}), 1, "cuevox-cli: " + fifo + ": not a regular file\n"},
        {cli({"decks", dir + "big.json"}), 1, "cuevox-cli: " + dir + "big.json: is larger than 8 MiB, far more than such a file holds\n"},
        {cli({"decks"}) + " </dev/zero", 1, "cuevox-cli: stdin: is larger than 8 MiB, far more than such a file holds\n"},
        {"printf '[\"secret' | " + cli({"decks"}), 1, "cuevox-cli: stdin: not JSON: parse error at line 1, column 9: syntax error while parsing value - invalid string: missing closing quote\n"},
        {cli({"monitor", kDemo, "--demo", "--seconds", "nan"}), 2, usage("--seconds: must be a number of seconds above 0, not nan")},
        {cli({"monitor", kDemo, "--demo", "--speed", "nan"}), 2, usage("--speed must be a number from 0.01 to 1000, not nan")},
        {cli({"monitor", dir + "long.xml", "--simulate", dir + "play.json", "--seconds", "1", "--speed", "10", "--json"}) + " >/dev/null", 0, ""},
        {cli({"library", dir + "x\ny.xml"}), 1, "cuevox-cli: " + dir + "x\\ny.xml: not a regular file\n"},
        {cli({"decks", dir + "\x1B[2J.json"}), 1, "cuevox-cli: " + dir + "\\u{1B}[2J.json: no such file\n"},
        {cli({"list", kDemo, "--id", "a\nb"}), 1, "cuevox-cli: no track with id \"a\\nb\" in " + kDemo + "\n"},
#ifdef __linux__
        {cli({"decks"}) + " </", 1, "cuevox-cli: stdin: Is a directory\n"},
        {cli({"key", "8A"}) + " >/dev/full", 1, "cuevox-cli: cannot write the output\n"},
#else
        // No /dev/full: a closed stdout fails the write as a full disk does.
        {cli({"key", "8A"}) + " >&-", 1, "cuevox-cli: cannot write the output\n"},
#endif
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", dir + "name.json"}), 1, "cuevox-cli: genre table " + dir + "name.json: \"X" + cut.substr(1) + "\" has capitals; genre names must be written in lower case\n"},
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", dir + "row.json"}), 1, "cuevox-cli: genre table " + dir + "row.json: the entry for \"" + cut + "\" must be an object of numbers, not a number\n"},
        {cli({"recommend", kDemo, "--id", "1", "--genre-table", "-"}) + " <" + dir + "deep.json", 1, "cuevox-cli: genre table stdin: nested more than 64 deep\n"},
        {cli({"monitor", kDemo, "--simulate", dir + "id.json"}), 1, "cuevox-cli: " + dir + "id.json: event 0 (counting from 0): no track with id \"" + cut + "\" in " + kDemo + "\n"},
        {cli({"monitor", kDemo, "--simulate", dir + "field.json"}), 1, "cuevox-cli: " + dir + "field.json: event 0 (counting from 0): unknown field \"" + cut + "\"\n"},
        {cli({"list", kDemo, "--key", huge.substr(0, 100'000)}), 2, usage("--key: not a key: " + cut)},
        {cli({"list", kDemo, "--deck-bpm", "1e308"}), 2, usage("--deck-bpm: must be a number above 0 and below 1000, not 1e308")},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CliResult result = runShell(c.command);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.err);
    }
    const CliResult result = runCli({"recommend", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("Usage"), std::string::npos) << result.out;
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "cuevox-cli " CUEVOX_VERSION "\n");
}

} // namespace
} // namespace cuevox::tests
