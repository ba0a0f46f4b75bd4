#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

json loaded(const std::string& title, const std::string& artist, double bpm, const std::string& key,
            int end) {
    return {{"state", "loaded"}, {"title", title}, {"artist", artist},
            {"bpm", bpm},        {"rawKey", key},  {"sourceEndIndex", end}};
}

const json kEmpty = {{"state", "empty"}, {"title", nullptr},  {"artist", nullptr},
                     {"bpm", nullptr},   {"rawKey", nullptr}, {"sourceEndIndex", nullptr}};

// The slots as the command prints them, without the running slot numbers (checked apart).
json slotsOf(const std::string& input) {
    const CliResult result = runCliWithInput({"decks", "--json"}, input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    json slots = json::parse(result.out);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].at("slot"), i + 1);
        slots[i].erase("slot");
    }
    return slots;
}

TEST(DecksCli, FindsLoadedAndEmptyDecks) {
    const struct {
        const char* name;
        json texts;
        json expected;
    } cases[] = {
        {"no texts", json::array(), json::array()},
        {"one block",
         {"Title", "Artist", "128.00", "8A"},
         json::array({loaded("Title", "Artist", 128, "8A", 4)})},
        {"markers around a block",
         {"Not Loaded.", "Title", "Artist", "128.00", "8A", "Not Loaded."},
         json::array({kEmpty, loaded("Title", "Artist", 128, "8A", 5), kEmpty})},
        {"markers among fewer than four texts",
         {"Not Loaded.", "Not Loaded."},
         json::array({kEmpty, kEmpty})},
        {"texts kept exactly as read",
         {" Caf\u0065\u0301 ", "Sigur R\u00f3s\n", "99.5", " 8a"},
         json::array({loaded(" Caf\u0065\u0301 ", "Sigur R\u00f3s\n", 99.5, " 8a", 4)})},
        {"a block shifted by empty texts",
         {"", "", "T", "A", "128.00", "8A"},
         json::array({loaded("T", "A", 128, "8A", 6)})},
        {"an empty title: the artist is read as the title",
         {"", "Artist", "Remix", "128.00", "8A"},
         json::array({loaded("Artist", "Remix", 128, "8A", 5)})},
        {"an empty artist",
         {"T", "", "128.00", "8A"},
         json::array({loaded("T", "", 128, "8A", 4)})},
        {"a marker that starts a block is a title",
         {"Not Loaded.", "A", "128.00", "8A"},
         json::array({loaded("Not Loaded.", "A", 128, "8A", 4)})},
        {"marker look-alikes",
         {"not loaded.", "Not Loaded", " Not Loaded.", "Not Loaded. ", "Not Loaded.\n"},
         json::array()},
        {"five blocks are all reported",
         {"A",      "a",  "120.00", "1A", "B",      "b",  "121.00", "2A", "C",      "c",
          "122.00", "3A", "D",      "d",  "123.00", "4A", "E",      "e",  "124.00", "5A"},
         json::array({loaded("A", "a", 120, "1A", 4), loaded("B", "b", 121, "2A", 8),
                      loaded("C", "c", 122, "3A", 12), loaded("D", "d", 123, "4A", 16),
                      loaded("E", "e", 124, "5A", 20)})},
        {"deck times between blocks are skipped",
         {"rekordbox", "A", "a", "120.00", "1A", "0:10.2", "-3:20.1", "Not Loaded.", "B", "b",
          "174.00", "F#m", "1:00.0", "-2:00.0"},
         json::array({loaded("A", "a", 120, "1A", 5), kEmpty, loaded("B", "b", 174, "F#m", 12)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(slotsOf(c.texts.dump()), c.expected);
    }
}

TEST(DecksCli, TempoAndKeyTextsThatMakeOrBreakABlock) {
    const struct {
        std::string tempo;
        std::string key;
        std::optional<double> bpm; // nothing: no block
    } cases[] = {
        {"128.00", "8A", 128},
        {"99.5", "8A", 99.5},
        {"174.00", "12B", 174},
        {"00.0", "1A", 0},
        {"999.99", "1B", 999.99},
        {"128", "8A", {}},
        {"128.000", "8A", {}},
        {"1280.00", "8A", {}},
        {"5.00", "8A", {}},
        {"128,00", "8A", {}},
        {" 128.00", "8A", {}},
        {"128.00 ", "8A", {}},
        {"128.00\n", "8A", {}},
        {"+28.00", "8A", {}},
        {"\u0661\u0662\u0668.\u0660\u0660", "8A", {}}, // Arabic-Indic digits
        {"\uff11\uff12\uff18.\uff10\uff10", "8A", {}}, // full-width digits
        {"128.00", "8A\n", 128}, // the key pattern's end anchor takes a final line break
        {"128.00", "Am", 128},
        {"128.00", "F#m", 128},
        {"128.00", "Db major", 128},
        {"128.00", "8a", 128},
        {"128.00", " 8A ", 128},
        {"128.00", "13A", {}},
        {"128.00", "0A", {}},
        {"128.00", "8C", {}},
        {"128.00", "H", {}},
        {"128.00", "", 128},
        {"128.00", " \n\t", 128},
        {"128.00", "\u0668A", {}}, // a Camelot number in other digits
    };
    // One run for the whole table: each case is four texts after a "|" that no block can use,
    // so case k's block, if any, ends at 5k + 5.
    json texts = json::array();
    for (const auto& c : cases) {
        for (const std::string& text :
             {std::string("|"), std::string("T"), std::string("A"), c.tempo, c.key}) {
            texts.push_back(text);
        }
    }
    std::map<int, json> slotByEnd;
    for (const json& slot : slotsOf(texts.dump())) {
        slotByEnd[slot.at("sourceEndIndex").get<int>()] = slot;
    }
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(json(c.tempo).dump() + " " + json(c.key).dump());
        const int end = static_cast<int>(5 * k + 5);
        const auto found = slotByEnd.find(end);
        if (c.bpm) {
            ASSERT_NE(found, slotByEnd.end());
            EXPECT_EQ(found->second, loaded("T", "A", *c.bpm, c.key, end));
            slotByEnd.erase(found);
        } else {
            EXPECT_EQ(found, slotByEnd.end());
        }
    }
    EXPECT_TRUE(slotByEnd.empty()) << "blocks across cases";
}

TEST(DecksCli, TextOutputIsOneLinePerSlot) {
    const CliResult result = runCliWithInput(
        {"decks"}, R"(["Not Loaded.", " Night Song", "The \"Band\"\n", "128.00", "Am"])");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Slot 1: empty\n"
              "Slot 2: loaded  \" Night Song\" by \"The \\\"Band\\\"\\n\"  128.00 BPM  key \"Am\""
              "  (texts after it from 5)\n");
    EXPECT_EQ(runCliWithInput({"decks"}, "[\"x\"]").out, "No deck in 1 texts\n");
}

TEST(DecksCli, ReadsAFileOrStdin) {
    const std::string path =
        ::testing::TempDir() + "cuevox-cli-decks-" + std::to_string(::getpid()) + ".json";
    std::ofstream(path) << R"(["T", "A", "128.00", "8A"])";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"decks", "--json", path}, {"decks", path, "--json"}}) {
        const CliResult result = runCli(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(json::parse(result.out).size(), 1U);
    }
    EXPECT_EQ(runCliWithInput({"decks", "--json", "-"}, R"(["Not Loaded."])").out,
              "[\n  {\n    \"slot\": 1,\n    \"state\": \"empty\",\n    \"title\": null,\n"
              "    \"artist\": null,\n    \"bpm\": null,\n    \"rawKey\": null,\n"
              "    \"sourceEndIndex\": null\n  }\n]\n");
    std::filesystem::remove(path);
}

TEST(DecksCli, BadInputSaysWhatIsWrong) {
    const struct {
        std::string input;
        std::string err; // a prefix when it ends in ": "
    } cases[] = {
        {"", "cuevox-cli: stdin: not JSON: "},
        {"Title, Artist", "cuevox-cli: stdin: not JSON: "},
        {"[\"a\",]", "cuevox-cli: stdin: not JSON: "},
        {"[] []", "cuevox-cli: stdin: not JSON: "},
        {"[\"\xff\"]", "cuevox-cli: stdin: not JSON: "},
        {R"({"texts": ["a"]})",
         "cuevox-cli: stdin: expected an array of strings, found an object\n"},
        {R"("a")", "cuevox-cli: stdin: expected an array of strings, found a string\n"},
        {"null", "cuevox-cli: stdin: expected an array of strings, found null\n"},
        {R"(["a", 128.0, "b"])",
         "cuevox-cli: stdin: element 1 (counting from 0) is a number, not a string\n"},
        {R"(["a", "b", null])",
         "cuevox-cli: stdin: element 2 (counting from 0) is null, not a string\n"},
        {R"([["a"]])",
         "cuevox-cli: stdin: element 0 (counting from 0) is an array, not a string\n"},
        {R"([true])",
         "cuevox-cli: stdin: element 0 (counting from 0) is a boolean, not a string\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const CliResult result = runCliWithInput({"decks", "--json"}, c.input);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        if (c.err.ends_with(": ")) {
            EXPECT_EQ(result.err.rfind(c.err, 0), 0U) << result.err;
        } else {
            EXPECT_EQ(result.err, c.err);
        }
    }
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err;
    } files[] = {
        {{"decks", "/no/such.json"}, 1, "cuevox-cli: /no/such.json: no such file\n"},
        {{"decks", ::testing::TempDir()}, 1, ""},
        {{"decks", "a.json", "b.json"}, 2, ""},
        {{"decks", "--count"}, 2, ""},
    };
    for (const auto& c : files) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("cuevox-cli: ", 0), 0U) << result.err;
        if (!c.err.empty()) {
            EXPECT_EQ(result.err, c.err);
        }
    }
}

} // namespace
} // namespace cuevox::tests
