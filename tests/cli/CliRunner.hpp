#pragma once

// Runs programs as a user would from a shell, and cuevox-cli where a test names it.
#include "support/RunProcess.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace cuevox::tests {

using CliResult = ProcessResult;

inline std::string shellQuote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command line, capturing stdout, stderr and the exit code; a command that hangs
// is killed at the deadline.
inline CliResult runShell(const std::string& command, Deadline deadline = {}) {
    return runProcess({"/bin/sh", "-c", command}, deadline);
}

#ifdef CUEVOX_CLI_PATH
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
#endif

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

// The "id" of every entry of `list`, sorted.
inline std::vector<std::string> sortedIds(const nlohmann::json& list) {
    std::vector<std::string> ids;
    for (const nlohmann::json& entry : list) {
        ids.push_back(entry.at("id"));
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace cuevox::tests
