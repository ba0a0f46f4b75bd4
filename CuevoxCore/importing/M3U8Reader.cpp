#include "importing/M3U8Reader.hpp"

#include "importing/RekordboxMetadataMapper.hpp"
#include "text/Text.hpp"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace cuevox::importing::M3U8Reader {

std::vector<std::string> parseLocations(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string> locations;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text::trimmedView(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && !line.starts_with('#')) {
            locations.push_back(*RekordboxMetadataMapper::parseLocation(line));
        }
    }
    return locations;
}

tl::expected<M3U8Playlist, FileReadError> read(const std::filesystem::path& path) {
    const auto failure = [&path](std::error_code code) {
        return tl::unexpected(FileReadError{path.string(), code});
    };
    // A FIFO or device could block the read for ever; only regular files are opened.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return failure(std::error_code(errno, std::generic_category()));
    }
    if (!S_ISREG(status.st_mode)) {
        return failure(FileReadErrc::notARegularFile);
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return failure(std::error_code(errno != 0 ? errno : EACCES, std::generic_category()));
    }
    const std::string text(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) {
        return failure(std::error_code(EIO, std::generic_category()));
    }
    return M3U8Playlist{path.stem().string(), parseLocations(text)};
}

} // namespace cuevox::importing::M3U8Reader
