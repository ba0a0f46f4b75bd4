#pragma once

// Runs a program to its end or to a deadline, capturing what it prints: what GNU timeout did for
// the tests, on Linux and macOS alike.
#include <cerrno>
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
    // -1 when a signal ended it.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// At `after`, `signal` goes to the program's whole process group (a shell and what it started);
// a program still running `grace` later is killed.
struct Deadline {
    std::chrono::milliseconds after{20000};
    int signal = SIGKILL;
    std::chrono::milliseconds grace{10000};
};

// Runs `arguments[0]` (a path) with stdin from /dev/null; a program that cannot start exits 127.
inline ProcessResult runProcess(const std::vector<std::string>& arguments, Deadline deadline = {}) {
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return {};
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
    posix_spawnattr_setpgroup(&attributes, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(out[1]);
    ::close(err[1]);

    ProcessResult result;
    using Clock = std::chrono::steady_clock;
    Clock::time_point next = Clock::now() + deadline.after;
    int signal = spawned == 0 ? deadline.signal : 0;
    pollfd descriptors[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[] = {&result.out, &result.err};
    while (descriptors[0].fd >= 0 || descriptors[1].fd >= 0) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
        if (left.count() <= 0 && signal != 0) {
            ::kill(-pid, signal);
            signal = signal == SIGKILL ? 0 : SIGKILL;
            next = Clock::now() + deadline.grace;
            continue;
        }
        const int timeout = signal == 0 ? -1 : static_cast<int>(left.count());
        if (::poll(descriptors, 2, timeout) < 0 && errno != EINTR) {
            break;
        }
        for (int index = 0; index < 2; ++index) {
            if (descriptors[index].fd < 0 || descriptors[index].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t count = ::read(descriptors[index].fd, buffer, sizeof buffer);
            if (count > 0) {
                texts[index]->append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ::close(descriptors[index].fd);
                descriptors[index].fd = -1;
            }
        }
    }
    for (const pollfd& descriptor : descriptors) {
        if (descriptor.fd >= 0) {
            ::close(descriptor.fd);
        }
    }
    int status = 0;
    if (spawned != 0) {
        result.exitCode = 127;
    } else if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

} // namespace cuevox::tests
