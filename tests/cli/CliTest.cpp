#include "CliRunner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cuevox::tests {
namespace {

using nlohmann::json;

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
