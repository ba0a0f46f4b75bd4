#include "JsonInput.hpp"

#include "text/Text.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace cuevox::cli {
namespace {

bool isStdin(const std::string& path) {
    return path.empty() || path == "-";
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string tooLarge() {
    return "is larger than " + std::to_string(kMaxJsonInputBytes / (1024 * 1024)) +
           " MiB, far more than such a file holds";
}

std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

// Everything up to the end, or an error once there is more than kMaxJsonInputBytes.
tl::expected<std::string, std::string> readAll(int fd) {
    std::string content;
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        const std::size_t size = content.size();
        content.resize(size + kChunk);
        const ssize_t count = ::read(fd, content.data() + size, kChunk);
        if (count < 0 && errno == EINTR) {
            content.resize(size);
            continue;
        }
        if (count < 0) {
            return tl::unexpected(systemMessage(errno));
        }
        content.resize(size + static_cast<std::size_t>(count));
        if (content.size() > kMaxJsonInputBytes) {
            return tl::unexpected(tooLarge());
        }
        if (count == 0) {
            return content;
        }
    }
}

// nlohmann ends a syntax error with the token it stopped at ("; last read: '…'"): input, and
// as long as the input for an unclosed string.
std::string syntaxErrorText(const nlohmann::json::parse_error& error) {
    std::string text = error.what();
    if (const auto end = text.find("] ");
        text.starts_with("[json.exception.") && end != std::string::npos) {
        text.erase(0, end + 2);
    }
    if (const auto token = text.find("; last read: '"); token != std::string::npos) {
        text.erase(token);
    }
    return text;
}

struct TooDeep {};

} // namespace

tl::expected<std::string, std::string> readRegularFile(const std::string& path) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return tl::unexpected(errno == ENOENT || errno == ENOTDIR ? std::string("no such file")
                                                                  : systemMessage(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return tl::unexpected(systemMessage(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return tl::unexpected(std::string("is a directory"));
    }
    if (!S_ISREG(status.st_mode)) {
        return tl::unexpected(std::string("not a regular file"));
    }
    if (static_cast<unsigned long long>(status.st_size) > kMaxJsonInputBytes) {
        return tl::unexpected(tooLarge());
    }
    return readAll(file.get());
}

tl::expected<Json, std::string> parseJson(std::string_view bytes) {
    // The callback sees each array and object before it is built, at its depth.
    const Json::parser_callback_t boundDepth = [](int depth, Json::parse_event_t event, Json&) {
        if (depth >= kMaxJsonDepth && (event == Json::parse_event_t::array_start ||
                                       event == Json::parse_event_t::object_start)) {
            throw TooDeep{};
        }
        return true;
    };
    try {
        return Json::parse(bytes, boundDepth);
    } catch (const TooDeep&) {
        return tl::unexpected("nested more than " + std::to_string(kMaxJsonDepth) + " deep");
    } catch (const Json::parse_error& error) {
        return tl::unexpected("not JSON: " + syntaxErrorText(error));
    } catch (const Json::out_of_range&) {
        return tl::unexpected(std::string("holds a number too large for a double"));
    }
}

std::string inputName(const std::string& path) {
    return isStdin(path) ? "stdin" : text::escapeForMessage(path);
}

std::string describeJsonType(const Json& value) {
    const std::string type = value.type_name();
    if (value.is_null()) {
        return "null";
    }
    return (type.front() == 'a' || type.front() == 'o' ? "an " : "a ") + type;
}

tl::expected<std::string, std::string> readInput(const std::string& path) {
    return isStdin(path) ? readAll(STDIN_FILENO) : readRegularFile(path);
}

tl::expected<Json, std::string> readJsonInput(const std::string& path) {
    const auto content = readInput(path);
    if (!content) {
        return tl::unexpected(inputName(path) + ": " + content.error());
    }
    auto document = parseJson(*content);
    if (!document) {
        return tl::unexpected(inputName(path) + ": " + document.error());
    }
    return document;
}

} // namespace cuevox::cli
