#pragma once

#include "metadata/CamelotKey.hpp"
#include "metadata/Track.hpp"
#include "tracklist/BPMRange.hpp"

#include <algorithm>
#include <set>
#include <string>
#include <unordered_set>

namespace cuevox::tracklist {

// What the DJ chose in the filter bar. An empty set means "no choice": the group then filters
// automatically around the playing track, or not at all.
struct FilterSelections {
    std::set<std::string> genres;
    std::set<BPMRange> bpmRanges;
    std::unordered_set<metadata::CamelotKey> keys;
    std::set<int> energies;

    bool operator==(const FilterSelections&) const = default;

    bool isEmpty() const {
        return genres.empty() && bpmRanges.empty() && keys.empty() && energies.empty();
    }

    // Whether the track passes the group: its value is one of the choices, or the group has
    // none. Inline, as the list asks them several times for every track of the collection.
    bool matchesGenre(const metadata::Track& track) const {
        return genres.empty() || (track.genre && genres.contains(*track.genre));
    }
    bool matchesBPM(const metadata::Track& track) const {
        if (bpmRanges.empty()) {
            return true;
        }
        return track.bpm && std::any_of(bpmRanges.begin(), bpmRanges.end(),
                                        [&](const BPMRange& r) { return r.contains(*track.bpm); });
    }
    bool matchesKey(const metadata::Track& track) const {
        return keys.empty() || (track.camelotKey && keys.contains(*track.camelotKey));
    }
    bool matchesEnergy(const metadata::Track& track) const {
        return energies.empty() || (track.energy && energies.contains(*track.energy));
    }
};

} // namespace cuevox::tracklist
