#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace cuevox::e2e {

// A program the test drives through its standard input and output. The destructor kills and
// reaps it, so a failing test leaves nothing running.
class ChildProcess {
public:
    // Starts `arguments[0]` (a path); throws std::system_error when it cannot.
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // The next line it writes, without its newline; nothing at the deadline or its end.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    // Sends `line` and returns the answer.
    std::optional<std::string> request(const std::string& line, std::chrono::milliseconds timeout);
    // Asks it to end (SIGTERM) and reaps it.
    void terminate();

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_buffered;
};

} // namespace cuevox::e2e
