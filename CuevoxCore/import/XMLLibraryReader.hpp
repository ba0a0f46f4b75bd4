#pragma once

#include "import/LoadError.hpp"
#include "import/RekordboxLibraryReading.hpp"
#include "import/RekordboxXMLError.hpp"
#include "metadata/RekordboxLibrary.hpp"

#include <tl/expected.hpp>

#include <filesystem>
#include <string_view>
#include <vector>

namespace cuevox::import {

// Reads the collection file that rekordbox exports ("Export Collection in xml format").
// Tolerant of structure, strict about well-formedness: the first XML error fails the read and
// nothing collected before it is kept.
class XMLLibraryReader final : public RekordboxLibraryReading {
public:
    explicit XMLLibraryReader(std::filesystem::path filePath) : m_filePath(std::move(filePath)) {}

    const std::filesystem::path& filePath() const { return m_filePath; }

    // Reads the file anew on every call.
    tl::expected<metadata::RekordboxLibrary, LoadError> loadLibrary() const;
    tl::expected<std::vector<metadata::Track>, LoadError> loadTracks() const override;

    static tl::expected<metadata::RekordboxLibrary, RekordboxXMLError>
    parseLibrary(std::string_view bytes);
    static tl::expected<std::vector<metadata::Track>, RekordboxXMLError>
    parseTracks(std::string_view bytes);

private:
    std::filesystem::path m_filePath;
};

} // namespace cuevox::import
