#pragma once

#include "metadata/Track.hpp"
#include "tracklist/FilterOptions.hpp"
#include "tracklist/FilterSelections.hpp"
#include "tracklist/ListModes.hpp"
#include "tracklist/LiveInputs.hpp"
#include "tracklist/PitchAdjustment.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the main window lists for a collection, a playing track, the filter choices and the
// search text: a pure function, shared by the application state and the command line.
namespace cuevox::tracklist::TrackListComputation {

struct Result {
    // Indices into the library's tracks, in the order shown.
    std::vector<std::size_t> trackIndices;
    // Score 0 to 100 per listed track id; empty when there is nothing to score against.
    std::unordered_map<std::string, double> trackScores;
    // In the tempo mode, per scored track id whose tempo matches: how to pitch it to the
    // reference tempo.
    std::unordered_map<std::string, PitchAdjustment> trackPitches;
    std::vector<GenreOption> genreOptions;
    std::vector<BPMRangeOption> bpmRangeOptions;
    std::vector<KeyOption> keyOptions;
    std::vector<EnergyOption> energyOptions;
};

// Without a source track, or one without a tempo, the list is alphabetical and unscored.
Result compute(const PreparedLibrary& library, const std::optional<metadata::Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText);

// The same with the live-set modes. The source track's tempo and energy stay what the list
// aims around; the modes move the aim and leave tracks out as the search does: neither listed
// nor counted.
Result compute(const PreparedLibrary& library, const std::optional<metadata::Track>& sourceTrack,
               const FilterSelections& selections, std::string_view searchText,
               const ListModes& modes, const LiveInputs& live);

} // namespace cuevox::tracklist::TrackListComputation
