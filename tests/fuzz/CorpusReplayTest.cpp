// Replays the committed fuzz corpus through the fuzz targets, so every build checks under
// its sanitizers what the fuzzers once found interesting.
#include "FuzzTargets.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace cuevox::fuzz {
namespace {

std::size_t replay(const char* directory, void (*target)(const std::uint8_t*, std::size_t)) {
    std::size_t count = 0;
    const std::filesystem::path root =
        std::filesystem::path(CUEVOX_SOURCE_DIR) / "fuzz" / "corpus" / directory;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    return count;
}

TEST(FuzzCorpus, InputsKeepTheInvariantsOfTheReaderTheParsersAndTheCommandLine) {
    EXPECT_GT(replay("library", fuzzLibrary), 0U);
    EXPECT_GT(replay("texts", fuzzTexts), 0U);
    EXPECT_GT(replay("json", fuzzJson), 0U);
}

} // namespace
} // namespace cuevox::fuzz
