#pragma once

#include "importing/LibraryReadOptions.hpp"
#include "importing/LoadError.hpp"
#include "importing/RekordboxLibraryReading.hpp"
#include "importing/RekordboxXMLError.hpp"
#include "metadata/RekordboxLibrary.hpp"

#include <tl/expected.hpp>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string_view>
#include <vector>

namespace cuevox::importing {

// Reads the collection file that rekordbox exports ("Export Collection in xml format").
// Tolerant of structure, strict about well-formedness: the first XML error fails the read and
// nothing collected before it is kept.
class XMLLibraryReader final : public RekordboxLibraryReading {
public:
    // Told after each block how many bytes have been read of how many (0 when the size is
    // unknown).
    using ReadProgress = std::function<void(std::uint64_t bytesRead, std::uint64_t totalBytes)>;

    explicit XMLLibraryReader(std::filesystem::path filePath, LibraryReadOptions options = {})
        : m_filePath(std::move(filePath)), m_options(options) {}

    const std::filesystem::path& filePath() const { return m_filePath; }

    // Reads the file anew on every call. A stop request ends the read between two blocks, as
    // a FileReadError with ECANCELED.
    tl::expected<metadata::RekordboxLibrary, LoadError>
    loadLibrary(std::stop_token stop = {}, const ReadProgress& progress = {}) const;
    tl::expected<std::vector<metadata::Track>, LoadError> loadTracks() const override;

    static tl::expected<metadata::RekordboxLibrary, RekordboxXMLError>
    parseLibrary(std::string_view bytes, LibraryReadOptions options = {});
    static tl::expected<std::vector<metadata::Track>, RekordboxXMLError>
    parseTracks(std::string_view bytes, LibraryReadOptions options = {});

private:
    std::filesystem::path m_filePath;
    LibraryReadOptions m_options;
};

} // namespace cuevox::importing
