#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// The texts are quoted and escaped, so outer blanks and line breaks stay visible.
TEST(DecksCli, PrintsEverySlotAsTextOrJsonFromAFileOrStdinAndSaysWhatIsWrongWithBadInput) {
    const std::string input = R"(["Not Loaded.", " Night Song", "The \"Band\"\n", "128.00", "Am"])";
    const CliResult text = runCliWithInput({"decks"}, input);
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out,
              "Slot 1: empty\n"
              "Slot 2: loaded  \" Night Song\" by \"The \\\"Band\\\"\\n\"  128.00 BPM  key "
              "\"Am\"  (texts after it from 5)\n");
    EXPECT_EQ(runCliWithInput({"decks"}, "[\"x\"]").out, "No deck in 1 texts\n");
    const json expected = json::parse(R"([
        {"slot": 1, "state": "empty", "title": null, "artist": null, "bpm": null, "rawKey": null, "sourceEndIndex": null},
        {"slot": 2, "state": "loaded", "title": " Night Song", "artist": "The \"Band\"\n", "bpm": 128.0, "rawKey": "Am", "sourceEndIndex": 5}])");
    const TemporaryDirectory directory;
    const std::string path = directory.write("texts.json", input).string();
    for (const CliResult& result :
         {runCliWithInput({"decks", "--json", "-"}, input), runCli({"decks", "--json", path}),
          runCli({"decks", path, "--json"})}) {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(json::parse(result.out), expected);
    }
    EXPECT_EQ(runCliWithInput({"decks", "--json"}, "[\"Not Loaded.\"]").out,
              "[\n  {\n    \"slot\": 1,\n    \"state\": \"empty\",\n    \"title\": null,\n"
              "    \"artist\": null,\n    \"bpm\": null,\n    \"rawKey\": null,\n"
              "    \"sourceEndIndex\": null\n  }\n]\n");
    // clang-format off
    const struct { std::string input, err; } cases[] = {
        {"[\"a\",]", "not JSON: parse error at line 1, column 6: syntax error while parsing value - unexpected ']'; expected '[', '{', or a literal"},
        {R"({"texts": ["a"]})", "expected an array of strings, found an object"},
        {R"("a")", "expected an array of strings, found a string"},
        {"null", "expected an array of strings, found null"},
        {R"(["a", 128.0, "b"])", "element 1 (counting from 0) is a number, not a string"},
        {R"([["a"]])", "element 0 (counting from 0) is an array, not a string"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        expectFailure(runCliWithInput({"decks", "--json"}, c.input), 1,
                      "cuevox-cli: stdin: " + c.err + "\n");
    }
    // clang-format off
    const struct { std::vector<std::string> arguments; int exitCode; std::string err; } files[] = {
        {{"decks", "/no/such.json"}, 1, "cuevox-cli: /no/such.json: no such file\n"},
        {{"decks", "/"}, 1, "cuevox-cli: /: is a directory\n"},
        {{"decks", "a.json", "b.json"}, 2, usage("The following argument was not expected: b.json")},
        {{"decks", "--count"}, 2, usage("The following argument was not expected: --count")},
        // clang-format on
    };
    for (const auto& c : files) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        expectFailure(runCli(c.arguments), c.exitCode, c.err);
    }
}

// A track without a tempo shows dashes or a zero, one without a key dashes, and with --open-key
// a key may read 1m: each is still a deck, so the one after it keeps its number.
TEST(DecksCli, ADeckWithoutATempoOrAKeyKeepsItsSlot) {
    const struct {
        const char* tempo;
        const char* key;
        bool openKey;
        std::string first;
    } rows[] = {
        {"--.--", "8A", false, "no tempo  key \"8A\""},
        {"0.00", "8A", false, "no tempo  key \"8A\""},
        {"---", "---", false, "no tempo  key \"---\""},
        {"128.00", "1m", true, "128.00 BPM  key \"1m\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tempo + std::string(" ") + row.key);
        const std::string input = "[\"T\", \"A\", \"" + std::string(row.tempo) + "\", \"" +
                                  row.key + R"(", "U", "B", "120.00", "9A"])";
        std::vector<std::string> arguments{"decks"};
        if (row.openKey) {
            arguments.push_back("--open-key");
        }
        EXPECT_EQ(runCliWithInput(arguments, input).out,
                  "Slot 1: loaded  \"T\" by \"A\"  " + row.first +
                      "  (texts after it from 4)\nSlot 2: loaded  \"U\" by \"B\"  120.00 BPM  "
                      "key \"9A\"  (texts after it from 8)\n");
    }
    EXPECT_EQ(json::parse(runCliWithInput({"decks", "--json"}, R"(["T", "A", "--.--", ""])").out)
                  .at(0)
                  .at("bpm"),
              nullptr);
}

} // namespace
} // namespace cuevox::tests
