#pragma once

#include "importing/LoadError.hpp"
#include "metadata/Track.hpp"

#include <tl/expected.hpp>

#include <vector>

namespace cuevox::importing {

// A source of collection tracks; the application depends on this, tests substitute it.
class RekordboxLibraryReading {
public:
    virtual ~RekordboxLibraryReading() = default;
    virtual tl::expected<std::vector<metadata::Track>, LoadError> loadTracks() const = 0;
};

} // namespace cuevox::importing
