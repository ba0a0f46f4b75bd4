#pragma once

#include "ShellRunner.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::tests {

inline std::string cliCommand(const std::vector<std::string>& arguments) {
    std::string command = shellQuote(CUEVOX_CLI_PATH);
    for (const std::string& argument : arguments) {
        command += " " + shellQuote(argument);
    }
    return command;
}

// Runs the built cuevox-cli with the given arguments, as a user would from a shell.
inline CliResult runCli(const std::vector<std::string>& arguments) {
    return runShell(cliCommand(arguments));
}

// The same, with `input` on stdin.
inline CliResult runCliWithInput(const std::vector<std::string>& arguments,
                                 const std::string& input) {
    return runShell("printf %s " + shellQuote(input) + " | " + cliCommand(arguments));
}

// What a usage error prints after its reason.
inline std::string usage(const std::string& reason) {
    return "cuevox-cli: " + reason + " (see cuevox-cli --help)\n";
}

// A failed run prints nothing but the one line `err` and ends with `exitCode`.
inline void expectFailure(const CliResult& result, int exitCode, const std::string& err) {
    EXPECT_EQ(result.exitCode, exitCode);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, err);
}

} // namespace cuevox::tests
