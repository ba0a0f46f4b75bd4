#pragma once

// Runs a program to its end or to a deadline, capturing what it prints: what GNU timeout did for
// the tests, on Linux and macOS alike.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace cuevox::tests {

struct ProcessResult {
    // -1 when a signal ended it, 127 when it could not start.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// At `after`, `signal` goes to the program's process group (a shell and what it started); what
// still runs 10 s later is killed.
struct Deadline {
    std::chrono::milliseconds after{20000};
    int signal = SIGKILL;
};

// Runs `arguments[0]` (a path) with stdin from /dev/null.
inline ProcessResult runProcess(const std::vector<std::string>& arguments, Deadline deadline = {}) {
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    ProcessResult result;
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    for (const int descriptor : {out[0], out[1], err[0], err[1]}) {
        posix_spawn_file_actions_addclose(&actions, descriptor);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const bool started =
        ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(out[1]);
    ::close(err[1]);

    auto next = std::chrono::steady_clock::now() + deadline.after;
    int signal = started ? deadline.signal : 0;
    pollfd ends[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[] = {&result.out, &result.err};
    while (ends[0].fd >= 0 || ends[1].fd >= 0) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(next - std::chrono::steady_clock::now());
        if (signal != 0 && left.count() <= 0) {
            ::kill(-pid, signal);
            signal = signal == SIGKILL ? 0 : SIGKILL;
            next += std::chrono::seconds(10);
        } else if (::poll(ends, 2, signal == 0 ? -1 : static_cast<int>(left.count())) > 0) {
            for (int index = 0; index < 2; ++index) {
                char buffer[4096];
                const ssize_t count =
                    ends[index].revents == 0 ? -1 : ::read(ends[index].fd, buffer, sizeof buffer);
                if (count > 0) {
                    texts[index]->append(buffer, static_cast<std::size_t>(count));
                } else if (count == 0) {
                    ::close(ends[index].fd);
                    ends[index].fd = -1;
                }
            }
        }
    }
    int status = 0;
    if (!started) {
        result.exitCode = 127;
    } else if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

} // namespace cuevox::tests
