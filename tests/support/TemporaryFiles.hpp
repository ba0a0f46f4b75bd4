#pragma once

// A directory of the test's own, removed with everything in it when the test ends.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace cuevox::tests {

class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("cuevox-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes `contents` to `name` in the directory and gives its path: a collection file, a
    // genre table, a deck-text script.
    std::filesystem::path write(const std::string& name, std::string_view contents) const {
        const std::filesystem::path file = m_path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

private:
    std::filesystem::path m_path;
};

} // namespace cuevox::tests
