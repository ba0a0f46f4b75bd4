#pragma once

#include "metadata/Track.hpp"
#include "tracklist/FilterOptions.hpp"
#include "tracklist/FilterSelections.hpp"
#include "tracklist/ListModes.hpp"
#include "tracklist/ListRow.hpp"
#include "tracklist/LiveInputs.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <optional>
#include <string_view>
#include <vector>

// What the main window lists for a collection, a playing track, the filter choices and the
// search text: a pure function, shared by the application state and the command line.
namespace cuevox::tracklist::TrackListComputation {

// In the style mode the list holds at most this many tracks, the likeliest first: far more than
// anyone scrolls through between two mixes, and cheap enough to rank anew at every change.
inline constexpr std::size_t kStyleListLength = 1000;

struct Result {
    // In the order shown.
    std::vector<ListRow> rows;
    std::vector<GenreOption> genreOptions;
    std::vector<BPMRangeOption> bpmRangeOptions;
    std::vector<KeyOption> keyOptions;
    std::vector<EnergyOption> energyOptions;
};

// Without a source track, or one without a tempo, the list is alphabetical and unscored. The
// source track's tempo and energy are what the list aims around; the live-set modes move the
// aim and leave tracks out as the search does: neither listed nor counted.
Result compute(const PreparedLibrary& library, const std::optional<metadata::Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText,
               const ListModes& modes, const LiveInputs& live);

} // namespace cuevox::tracklist::TrackListComputation
