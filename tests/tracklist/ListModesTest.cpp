#include "tracklist/TrackListComputation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::tracklist {
namespace {

using metadata::Track;
using TrackListComputation::compute;

// House in 8A: the same as every other track here but for what the caller sets.
Track track(std::string id, std::optional<double> bpm, std::optional<int> energy = 6,
            std::string artist = "") {
    Track t{};
    t.id = id;
    t.title = id;
    t.artist = artist.empty() ? id : artist;
    t.genre = "House";
    t.bpm = bpm;
    t.camelotKey = metadata::CamelotKey::fromString("8A");
    t.energy = energy;
    return t;
}

ListModes tempoModes(int pitchRange, bool halfDouble) {
    ListModes modes;
    modes.pitchRange = *PitchRange::fromPercent(pitchRange);
    modes.halfDouble = halfDouble;
    return modes;
}

std::string pitchOf(const TrackListComputation::Result& result, const std::string& id) {
    const auto found = result.trackPitches.find(id);
    return found == result.trackPitches.end() ? "-" : found->second.toString();
}

// "id pitch" per row, in the order listed.
std::vector<std::string> rows(const PreparedLibrary& library,
                              const TrackListComputation::Result& result) {
    std::vector<std::string> listed;
    for (const std::size_t index : result.trackIndices) {
        listed.push_back(library.tracks()[index].id + " " +
                         pitchOf(result, library.tracks()[index].id));
    }
    return listed;
}

TEST(ListModes, PitchRangeIsOneOfTheFaderRanges) {
    for (const int percent : {0, 2, 4, 6, 8, 16}) {
        EXPECT_EQ(PitchRange::fromPercent(percent)->percent(), percent);
    }
    for (const int percent : {-2, 1, 3, 10, 12, 32}) {
        EXPECT_FALSE(PitchRange::fromPercent(percent)) << percent;
    }
}

struct TempoCase {
    const char* name;
    int pitchRange;
    bool halfDouble;
    std::optional<double> deckBPM;
    std::optional<double> sourceBPM;
    double bpm;
    std::optional<int> chosenRange;
    const char* pitch;              // nullptr: not listed
    std::optional<double> bpmScore; // nullptr: no scores
};

void checkTempo(const TempoCase& c) {
    SCOPED_TRACE(c.name);
    const PreparedLibrary library({track("t", c.bpm)});
    FilterSelections selections;
    if (c.chosenRange) {
        selections.bpmRanges = {BPMRange{*c.chosenRange}};
    }
    const auto result = compute(library, track("s", c.sourceBPM), selections, "",
                                tempoModes(c.pitchRange, c.halfDouble), {c.deckBPM, {}});
    if (!c.pitch) {
        EXPECT_TRUE(result.trackIndices.empty());
        return;
    }
    ASSERT_EQ(result.trackIndices.size(), 1U);
    EXPECT_EQ(pitchOf(result, "t"), c.pitch);
    ASSERT_EQ(result.trackScores.contains("t"), c.bpmScore.has_value());
    if (c.bpmScore) {
        EXPECT_NEAR(result.trackScores.at("t"), 75 + 0.25 * *c.bpmScore, 1e-9);
    }
}

// The tempo score at `distance` BPM from the reference, `max` the farthest accepted.
double ramp(double distance, double max) {
    return 100 * (1 - (distance - 0.15) / (max - 0.15));
}

TEST(ListModes, TempoModeAimsAtTheDeckAndTriesTwiceAndHalfTheTempo) {
    const TempoCase cases[] = {
        {"174 for 87 needs half/double", 0, false, {}, 87, 174, {}, nullptr, {}},
        {"174 for 87 at half tempo", 0, true, {}, 87, 174, {}, "\u00BD +0.0 %", 100},
        {"43.6 for 87 at double", 0, true, {}, 87, 43.6, {}, "\u00D72 \u22120.2 %", ramp(0.2, 1)},
        {"a tie keeps the earlier try", 0, true, {}, 3, 2, {}, "+50.0 %", 0},
        {"-0.03 % reads +0.0 %", 2, false, {}, 128, 128.04, {}, "+0.0 %", 100},
        {"deck 130 takes 126 at 4 %", 4, false, 130, 128, 126, {}, "+3.2 %", ramp(4, 5.2)},
        {"deck 130 refuses 126 at 2 %", 2, false, 130, 128, 126, {}, nullptr, {}},
        {"no deck: the source's tempo", 4, false, {}, 128, 123, {}, "+4.1 %", ramp(5, 5.12)},
        {"a deck at 0 is none", 4, false, 0, 128, 123, {}, "+4.1 %", ramp(5, 5.12)},
        {"no deck outside tempo mode", 0, false, 130, 128, 128.5, {}, "-", ramp(0.5, 1)},
        {"half/double alone: deck, 1 BPM", 0, true, 130, 128, 129.5, {}, "+0.4 %", ramp(0.5, 1)},
        {"a chosen range, no try takes it", 4, true, {}, 128, 121, 120, "-", 0},
        {"no source tempo: no scores", 16, true, 130, {}, 50, {}, "-", {}},
    };
    for (const TempoCase& c : cases) {
        checkTempo(c);
    }
}

TEST(ListModes, EnergyDirectionMovesTheTargetWithinOneToTen) {
    struct Case {
        EnergyDirection direction;
        std::optional<int> source;
        int energy;
        std::optional<double> energyScore; // nothing: not listed
    } cases[] = {
        {EnergyDirection::up, 10, 10, 100},
        {EnergyDirection::up, 10, 9, 200.0 / 3},
        {EnergyDirection::up, 10, 8, {}},
        {EnergyDirection::down, 1, 1, 100},
        {EnergyDirection::down, 1, 2, 200.0 / 3},
        {EnergyDirection::down, 1, 3, {}},
        {EnergyDirection::up, 5, 6, 100},
        {EnergyDirection::up, 5, 7, 200.0 / 3},
        {EnergyDirection::up, 5, 4, {}},
        {EnergyDirection::down, 5, 3, 200.0 / 3},
        {EnergyDirection::down, 5, 6, {}},
        {EnergyDirection::hold, 5, 4, 200.0 / 3},
        {EnergyDirection::up, std::nullopt, 1, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.direction) << " from "
                                          << c.source.value_or(0) << " to " << c.energy);
        ListModes modes;
        modes.energyDirection = c.direction;
        const PreparedLibrary library({track("t", 128.0, c.energy)});
        const auto result = compute(library, track("s", 128.0, c.source), {}, "", modes, {});
        ASSERT_EQ(result.trackIndices.size(), c.energyScore ? 1U : 0U);
        if (c.energyScore) {
            EXPECT_NEAR(result.trackScores.at("t"), 85 + 0.15 * *c.energyScore, 1e-9);
        }
    }
}

TEST(ListModes, ScopeAndSetMemoryLeaveTracksUncounted) {
    const PreparedLibrary library({track("a", 120.0, 6, "Ana Vey"),
                                   track("a", 120.0, 6, "ana vey "), track("b", 120.0, 6, "Bo"),
                                   track("c", 120.0, 6, "E\u0301ve"), track("d", 140.0, 6, "Cy"),
                                   track("e", 120.0, 6, " ")},
                                  {{"Crates/Peak", "Peak", {"a", "ghost"}},
                                   {"Crates/Warm", "Warm", {"b"}},
                                   {"Crates/Peak", "Peak", {"c"}}});
    struct Case {
        std::optional<std::string> playlist;
        std::string playingArtist;
        std::vector<std::string> played;
        bool hidePlayed;
        bool varyArtists;
        std::vector<std::string> artists;
    } cases[] = {
        {{}, "Ana Vey", {"b"}, false, false, {" ", "Ana Vey", "Bo", "Cy", "E\u0301ve", "ana vey "}},
        {"Crates/Peak", "", {}, false, false, {"Ana Vey", "E\u0301ve", "ana vey "}},
        {"Crates", "", {}, false, false, {}},
        {{}, "", {"a", "d"}, true, false, {" ", "Bo", "E\u0301ve"}},
        {{}, "Ana Vey", {}, false, true, {" ", "Bo", "Cy", "E\u0301ve"}},
        {{}, "\u00C9VE", {}, false, true, {" ", "Ana Vey", "Bo", "Cy", "ana vey "}},
        {{}, "", {"a", "b", "d", "e"}, false, true, {" ", "Ana Vey", "E\u0301ve", "ana vey "}},
        {{}, "", {"b", "ghost"}, true, true, {" ", "Ana Vey", "Cy", "E\u0301ve", "ana vey "}},
        {"Crates/Peak", "Bo", {"c"}, true, true, {"Ana Vey", "ana vey "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.playlist.value_or("-") + " / " + c.playingArtist);
        ListModes modes;
        modes.playlistID = c.playlist;
        modes.hidePlayed = c.hidePlayed;
        modes.varyArtists = c.varyArtists;
        const auto result =
            compute(library, track("s", std::nullopt, std::nullopt, c.playingArtist), {}, "", modes,
                    {std::nullopt, c.played});
        std::vector<std::string> artists;
        for (const std::size_t index : result.trackIndices) {
            artists.push_back(library.tracks()[index].artist);
        }
        std::sort(artists.begin(), artists.end());
        EXPECT_EQ(artists, c.artists);
        // Counted as listed; the options stay those of the whole collection.
        ASSERT_EQ(result.genreOptions.size(), 1U);
        EXPECT_EQ(result.genreOptions[0].count, static_cast<int>(c.artists.size()));
        EXPECT_EQ(result.bpmRangeOptions.size(), 3U);
    }
}

TEST(ListModes, ModesCombine) {
    const PreparedLibrary library({track("x2", 64.0, 7, "H"), track("near", 130.5, 7, "P"),
                                   track("same", 128.0, 7, "S"), track("low", 128.0, 5, "R"),
                                   track("outside", 128.0, 7, "X")},
                                  {{"Peak", "Peak", {"x2", "near", "same", "low"}}});
    ListModes modes = tempoModes(2, true);
    modes.energyDirection = EnergyDirection::up;
    modes.playlistID = "Peak";
    const Track source = track("s", 128.0, 6, "S");
    const auto all = compute(library, source, {}, "", modes, {});
    EXPECT_EQ(rows(library, all),
              (std::vector<std::string>{"x2 \u00D72 +0.0 %", "same +0.0 %", "near \u22121.9 %"}));

    modes.hidePlayed = true;
    modes.varyArtists = true;
    const auto live = compute(library, source, {}, "", modes, {130.0, {"near"}});
    EXPECT_EQ(rows(library, live), std::vector<std::string>{"x2 \u00D72 +1.6 %"});
}

} // namespace
} // namespace cuevox::tracklist
