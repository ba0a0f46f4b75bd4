#include "ChildProcess.hpp"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace cuevox::e2e {
namespace {

void closeIfOpen(int& descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments) {
    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const int status = ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
    if (status != 0) {
        m_pid = -1;
        throw std::system_error(status, std::generic_category(), "spawn " + arguments.at(0));
    }
    // A child that dies must not kill the test with SIGPIPE on the next request.
    std::signal(SIGPIPE, SIG_IGN);
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    closeIfOpen(m_input);
    closeIfOpen(m_output);
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (const std::size_t end = m_buffered.find('\n'); end != std::string::npos) {
            std::string line = m_buffered.substr(0, end);
            m_buffered.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd descriptor{m_output, POLLIN, 0};
        if (m_output < 0 || left.count() <= 0 ||
            ::poll(&descriptor, 1, static_cast<int>(left.count())) <= 0) {
            return std::nullopt;
        }
        char buffer[1024];
        const ssize_t count = ::read(m_output, buffer, sizeof buffer);
        if (count <= 0) {
            closeIfOpen(m_output);
            return std::nullopt;
        }
        m_buffered.append(buffer, static_cast<std::size_t>(count));
    }
}

std::optional<std::string> ChildProcess::request(const std::string& line,
                                                 std::chrono::milliseconds timeout) {
    const std::string text = line + "\n";
    // Commands are short: a pipe takes them whole.
    if (m_input < 0 ||
        ::write(m_input, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        return std::nullopt;
    }
    return readLine(timeout);
}

void ChildProcess::terminate() {
    if (m_pid <= 0) {
        return;
    }
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    closeIfOpen(m_input);
    closeIfOpen(m_output);
}

} // namespace cuevox::e2e
