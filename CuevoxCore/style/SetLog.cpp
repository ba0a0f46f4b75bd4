#include "style/SetLog.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace cuevox::style {
namespace {

constexpr std::string_view kPrefix = "Cuevox set ";

std::string formatted(std::chrono::system_clock::time_point at, const char* format, bool local) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
    std::tm parts{};
    if (local ? ::localtime_r(&seconds, &parts) == nullptr
              : ::gmtime_r(&seconds, &parts) == nullptr) {
        return {};
    }
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &parts));
}

// A line break or control character in a title would start a line of its own.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
    return text;
}

bool endsWithLineBreak(int file) {
    const off_t size = ::lseek(file, 0, SEEK_END);
    char last = '\n';
    return size <= 0 || (::pread(file, &last, 1, size - 1) == 1 && last == '\n');
}

} // namespace

SetLog::SetLog(std::filesystem::path folder) : m_folder(std::move(folder)) {}

std::optional<std::string> SetLog::append(const metadata::Track& track,
                                          std::chrono::system_clock::time_point playedAt) const {
    if (!track.filepath || track.filepath->empty()) {
        return std::nullopt;
    }
    const std::filesystem::path path =
        m_folder / (std::string(kPrefix) + formatted(playedAt, "%Y-%m-%d", true) + ".m3u8");
    const auto failure = [&path](int error) {
        return path.string() + ": " + std::generic_category().message(error);
    };
    std::error_code created;
    std::filesystem::create_directories(m_folder, created);
    const int file = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0) {
        return failure(errno);
    }
    std::string entry;
    if (::lseek(file, 0, SEEK_END) == 0) {
        entry = "#EXTM3U\n";
    } else if (!endsWithLineBreak(file)) {
        entry = "\n";
    }
    const long long seconds = track.duration ? static_cast<long long>(*track.duration) : -1;
    entry += "#EXTINF:" + std::to_string(seconds) + "," + oneLine(track.artist) + " - " +
             oneLine(track.title) +
             "\n#EXT-X-PROGRAM-DATE-TIME:" + formatted(playedAt, "%Y-%m-%dT%H:%M:%SZ", false) +
             "\n" + oneLine(*track.filepath) + "\n";
    const ssize_t written = ::write(file, entry.data(), entry.size());
    const int writeError = errno;
    const int flushError = ::fsync(file) == 0 ? 0 : errno;
    ::close(file);
    if (written != static_cast<ssize_t>(entry.size())) {
        return failure(written < 0 ? writeError : ENOSPC);
    }
    return flushError == 0 ? std::nullopt : std::optional(failure(flushError));
}

std::vector<importing::M3U8Reader::M3U8Playlist> SetLog::sets() const {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(kPrefix) && entry.path().extension() == ".m3u8") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<importing::M3U8Reader::M3U8Playlist> sets;
    for (const std::filesystem::path& file : files) {
        if (auto set = importing::M3U8Reader::read(file)) {
            sets.push_back(std::move(*set));
        }
    }
    return sets;
}

} // namespace cuevox::style
