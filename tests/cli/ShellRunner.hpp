#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace cuevox::tests {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command line, capturing stdout, stderr and the exit code.
inline CliResult runShell(std::string command) {
    const std::string errPath = ::testing::TempDir() + "cuevox-stderr-" + std::to_string(::getpid());
    command += " 2>" + shellQuote(errPath);
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (std::size_t read = 0; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, read);
    }
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream err;
    err << std::ifstream(errPath).rdbuf();
    result.err = err.str();
    std::remove(errPath.c_str());
    return result;
}

} // namespace cuevox::tests
