#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>

#include <QImage>

namespace cuevox::tests {
namespace {

// A size or a path the app wrongly accepted would open the window: the deadline ends it.
CliResult runApp(const std::string& arguments) {
    return runShell(shellQuote(CUEVOX_APP) + " " + arguments);
}

// A mistyped option is a usage error (2) with one line that says which, never Qt's plugin
// abort or CLI11's own exit codes.
TEST(CuevoxCommandLine, UsageErrorsExitTwoAndSayWhyHelpNamesEveryOption) {
    // clang-format off
    const struct { const char* arguments; const char* error; } cases[] = {
        {"--platform nope", "--platform: nope not in {system,atspi}"},
        {"--platform", "--platform: 1 required TEXT:{system,atspi} missing"},
        {"--demo --platform atspi", "cuevox: --demo plays its own rekordbox; leave out --platform"},
        {"--size 0x560", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"--size 860", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"--size 99999999999x560", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"--size 8193x560", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"--size 860x560px", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"--language xx", "--language: unknown language code xx"},
        {"--library '/no/x\ny.xml'", "cuevox: --library: File does not exist: /no/x\\ny.xml\n"},
        {"--no-such-option", "The following argument was not expected: --no-such-option"},
        // What macOS adds to a first launch from the Finder is ignored, and only that.
        {"-psn_0_1234567 --size 0x560", "cuevox: --size takes WIDTHxHEIGHT, such as 860x560"},
        {"-psn0 --size 860x560", "The following argument was not expected: -psn0"},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments);
        const CliResult result = runApp(row.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(row.error), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
    const CliResult result = runApp("--help");
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option : {"--demo", "--platform", "--atspi-application", "--library",
                               "--screenshot", "--language", "--size"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

// The whole program, as the README starts it: the demo collection loads, the simulated set
// plays, the window is drawn at the size asked for, and the program ends by itself.
TEST(CuevoxCommandLine, TheDemoStartsDrawsItsWindowAndQuits) {
    const TemporaryDirectory directory;
    const std::string picture = (directory.path() / "window.png").string();
    const CliResult result = runShell(
        "QT_QPA_PLATFORM=offscreen " + shellQuote(CUEVOX_APP) + " --demo --size 700x480 " +
            "--language de --setting listModes/style=true --screenshot " + shellQuote(picture),
        {std::chrono::seconds(60)});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage window(QString::fromStdString(picture));
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window.size() / window.devicePixelRatio(), QSize(700, 480));
}

} // namespace
} // namespace cuevox::tests
