#pragma once

#include "ShellRunner.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
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
    const std::string inPath =
        ::testing::TempDir() + "cuevox-cli-stdin-" + std::to_string(::getpid());
    std::ofstream(inPath, std::ios::binary) << input;
    CliResult result = runShell(cliCommand(arguments) + " <" + shellQuote(inPath));
    std::remove(inPath.c_str());
    return result;
}

} // namespace cuevox::tests
