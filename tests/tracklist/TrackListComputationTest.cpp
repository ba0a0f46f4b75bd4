#include "tracklist/TrackListComputation.hpp"

#include "importing/XMLLibraryReader.hpp"
#include "style/StyleModel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::tracklist {
namespace {

using metadata::CamelotKey;
using metadata::Track;
using TrackListComputation::compute;
using TrackListComputation::kStyleListLength;

std::optional<CamelotKey> key(const char* text) {
    return CamelotKey::fromString(text);
}

Track track(std::string id, std::optional<double> bpm, const char* camelot,
            std::optional<int> energy, std::optional<std::string> genre = std::nullopt) {
    Track t{};
    t.id = id;
    t.title = "Title " + id;
    t.artist = "Artist " + id;
    t.bpm = bpm;
    t.camelotKey = camelot ? key(camelot) : std::nullopt;
    t.energy = energy;
    t.genre = std::move(genre);
    return t;
}

std::vector<std::string> listedIds(const PreparedLibrary& library,
                                   const TrackListComputation::Result& result) {
    std::vector<std::string> ids;
    for (const ListRow& row : result.rows) {
        ids.push_back(library.tracks()[row.index].id);
    }
    return ids;
}

// The row of the first listed track with this id.
const ListRow& rowOf(const PreparedLibrary& library, const TrackListComputation::Result& result,
                     const std::string& id) {
    const auto found = std::find_if(result.rows.begin(), result.rows.end(), [&](const ListRow& r) {
        return library.tracks()[r.index].id == id;
    });
    EXPECT_NE(found, result.rows.end()) << id;
    static const ListRow kNone;
    return found == result.rows.end() ? kNone : *found;
}

const Track kSource = track("source", 128.0, "8A", 6, "House");

TEST(TrackListComputation, AutomaticFiltersNarrowAroundTheSourceTrack) {
    const PreparedLibrary library({
        track("near", 128.5, "9A", 7),
        track("tempo too far", 129.2, "8A", 6),
        track("tempo at the edge", 127.0, "8A", 6),
        track("9B", 128.0, "9B", 6),
        track("10A", 128.0, "10A", 6),
        track("relative", 128.0, "8B", 5),
        track("energy 8", 128.0, "8A", 8),
        track("no key", 128.0, nullptr, 6),
        track("no energy", 128.0, "8A", std::nullopt),
        track("no tempo", std::nullopt, "8A", 6),
        track("wrap", 128.0, "7A", 6),
    });
    const auto result = compute(library, kSource, {}, "", {}, {});
    std::vector<std::string> ids = listedIds(library, result);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"near", "relative", "tempo at the edge", "wrap"}));
}

TEST(TrackListComputation, SelectionsReplaceTheAutomaticFilterOfTheirGroup) {
    const PreparedLibrary library({
        track("10A", 128.0, "10A", 6),
        track("8A", 128.0, "8A", 6),
        track("no key", 128.0, nullptr, 6),
        track("far 10A", 140.0, "10A", 6),
    });
    FilterSelections selections;
    selections.keys = {*key("10A")};
    const auto result = compute(library, kSource, selections, "", {}, {});
    EXPECT_EQ(listedIds(library, result), std::vector<std::string>{"10A"});
    // Genre 50 (no genre), tempo 100, harmonic 65 (energy boost), energy 100.
    EXPECT_DOUBLE_EQ(*rowOf(library, result, "10A").score,
                     0.35 * 50 + 0.25 * 100 + 0.25 * 65 + 0.15 * 100);

    FilterSelections ranges;
    ranges.bpmRanges = {BPMRange{140}};
    ranges.keys = {*key("10A")};
    const auto wide = compute(library, kSource, ranges, "", {}, {});
    EXPECT_EQ(listedIds(library, wide), std::vector<std::string>{"far 10A"});
    EXPECT_DOUBLE_EQ(*rowOf(library, wide, "far 10A").score,
                     0.35 * 50 + 0.25 * 0 + 0.25 * 65 + 0.15 * 100)
        << "a tempo the matcher refuses scores 0";
}

TEST(TrackListComputation, AMissingGenreScoresHalfAnEmptyOneNothing) {
    // clang-format off
    struct Case { Track candidate; double expected; } cases[] = {
        {track("a", 128.0, "8A", 6, "HOUSE"), 100},
        {track("b", 128.0, "8A", 6), 0.35 * 50 + 0.25 * 100 + 0.25 * 100 + 0.15 * 100},
        {track("c", 128.0, "8A", 6, ""), 0.35 * 0 + 0.25 * 100 + 0.25 * 100 + 0.15 * 100},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.candidate.id);
        const PreparedLibrary library({c.candidate});
        const auto result = compute(library, kSource, {}, "", {}, {});
        ASSERT_EQ(result.rows.size(), 1U);
        EXPECT_NEAR(*result.rows[0].score, c.expected, 1e-9);
    }
}

// The track by another artist under another title, from another year.
Track renamed(Track t, std::string artist, std::string title, std::optional<int> year = {}) {
    t.artist = std::move(artist);
    t.title = std::move(title);
    t.year = year;
    return t;
}

TEST(TrackListComputation, OrdersByScoreThenYearThenArtistThenTitle) {
    const PreparedLibrary library({
        renamed(track("no year", 128.0, "8A", 6, "House"), "A", "A"),
        renamed(track("2019", 128.0, "8A", 6, "House"), "A", "A", 2019),
        renamed(track("2021 b", 128.0, "8A", 6, "House"), "b", "A", 2021),
        renamed(track("2021 B", 128.0, "8A", 6, "House"), "B", "Z", 2021),
        renamed(track("2021 B a", 128.0, "8A", 6, "House"), "B", "A", 2021),
        renamed(track("lower score", 128.0, "9A", 6, "House"), "A", "A", 2030),
    });
    const auto result = compute(library, kSource, {}, "", {}, {});
    EXPECT_EQ(listedIds(library, result),
              (std::vector<std::string>{"2021 B a", "2021 B", "2021 b", "2019", "no year",
                                        "lower score"}));
}

TEST(TrackListComputation, WithoutASourceTempoTheListIsAlphabeticalAndUnscored) {
    const PreparedLibrary library({
        renamed(track("1", 120.0, "8A", {}), "b", "x"),
        renamed(track("2", 120.0, "8A", {}), "B", "y"),
        renamed(track("3", 120.0, "3A", {}), "A", "z"),
        renamed(track("4", 120.0, "8A", {}), "A", "a"),
        renamed(track("5", 120.0, "8A", {}), "\u00C9", "e"),
        renamed(track("6", 120.0, "8A", {}), "Va\u0302yu", "v"), // NFC "Vâyu": after "Vendex"
        renamed(track("7", 120.0, "8A", {}), "Vendex", "v"),
    });
    for (const std::optional<Track>& source :
         {std::optional<Track>(),
          std::optional<Track>(track("s", std::nullopt, "8A", std::nullopt))}) {
        SCOPED_TRACE(source ? "source without tempo" : "no source");
        const auto result = compute(library, source, {}, "", {}, {});
        EXPECT_FALSE(std::any_of(result.rows.begin(), result.rows.end(),
                                 [](const ListRow& r) { return r.score.has_value(); }));
        // With a source key the automatic key filter still applies.
        EXPECT_EQ(listedIds(library, result),
                  source ? (std::vector<std::string>{"4", "2", "7", "6", "1", "5"})
                         : (std::vector<std::string>{"4", "3", "2", "7", "6", "1", "5"}));
    }
}

TEST(TrackListComputation, CountsLeaveTheirOwnGroupAside) {
    const PreparedLibrary library({
        track("t1", 128.0, "8A", 6, "Techno"),
        track("t2", 128.5, "9A", 6, "Techno"),
        track("h1", 128.0, "8A", 6, "House"),
        track("far techno", 135.0, "8A", 6, "Techno"),
        track("129.99", 129.99, "8A", 6, "Techno"),
        track("130", 130.0, "8A", 6, "Techno"),
        // What a chosen group lacks takes no part, not even in the other groups' counts.
        track("no tempo", std::nullopt, "8A", 6, "Techno"),
        track("no genre", 128.0, "8A", 6),
    });
    FilterSelections selections;
    selections.genres = {"Techno"};
    selections.bpmRanges = {BPMRange{120}};
    const auto result = compute(library, std::nullopt, selections, "", {}, {});
    EXPECT_EQ(listedIds(library, result), (std::vector<std::string>{"129.99", "t1", "t2"}));
    EXPECT_EQ(result.genreOptions, (std::vector<GenreOption>{{"House", 1}, {"Techno", 3}}));
    EXPECT_EQ(result.bpmRangeOptions,
              (std::vector<BPMRangeOption>{{BPMRange{120}, 3}, {BPMRange{130}, 2}}));
    ASSERT_EQ(result.keyOptions.size(), 24U);
    EXPECT_EQ(result.keyOptions[14], (KeyOption{*key("8A"), 2}));
    EXPECT_EQ(result.keyOptions[16], (KeyOption{*key("9A"), 1}));
    ASSERT_EQ(result.energyOptions.size(), 10U);
    EXPECT_EQ(result.energyOptions[5], (EnergyOption{6, 3}));
    EXPECT_EQ(result.energyOptions[0], (EnergyOption{1, 0}));
    // An empty collection still offers every key and energy.
    const auto none = compute(PreparedLibrary(), kSource, {}, "x", {}, {});
    EXPECT_TRUE(none.genreOptions.empty());
    EXPECT_EQ(none.keyOptions[0], (KeyOption{*key("1A"), 0}));
    EXPECT_EQ(none.keyOptions.size() + none.energyOptions.size(), 24U + 10U);
}

TEST(TrackListComputation, SearchMatchesTitleOrArtistIgnoringCaseAndSkipsCounting) {
    const PreparedLibrary library({
        renamed(track("1", 120.0, "8A", 5, "House"), "Artist 1", "Stra\u00DFe"),
        renamed(track("2", 120.0, "8A", 5, "House"), "Cafe\u0301 Noir", "Title 2"), // decomposed
        track("3", 120.0, "8A", 5, "Techno"),
    });
    // clang-format off
    struct Case { std::string search; std::vector<std::string> expected; } cases[] = {
        {"   ", {"3", "2", "1"}},
        {" STRASSE\n", {"1"}},
        {"caf\u00E9", {"2"}},
        {"cafe", {}}, // accents are not folded
        {"artist", {"3", "1"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.search);
        const auto result = compute(library, std::nullopt, {}, c.search, {}, {});
        std::vector<std::string> ids = listedIds(library, result);
        std::sort(ids.rbegin(), ids.rend());
        EXPECT_EQ(ids, c.expected);
        int counted = 0;
        for (const GenreOption& option : result.genreOptions) {
            counted += option.count;
        }
        EXPECT_EQ(counted, static_cast<int>(c.expected.size()));
    }
}

TEST(PreparedLibrary, GenreNamesAndTempoBuckets) {
    const PreparedLibrary library({
        track("1", 122.5, nullptr, std::nullopt, "house"),
        track("2", 131.0, nullptr, std::nullopt, "Techno"),
        track("3", std::nullopt, nullptr, std::nullopt, "House"),
        track("4", 125.0, nullptr, std::nullopt, "House"),
        track("5", 125.0, nullptr, std::nullopt, " House"),
    });
    EXPECT_EQ(library.availableGenreNames(),
              (std::vector<std::string>{" House", "House", "Techno", "house"}));
    EXPECT_EQ(library.bpmRangeBuckets(), (std::vector<BPMRange>{{120}, {130}}));

    // clang-format off
    struct Case { std::vector<double> tempos; std::vector<BPMRange> expected; } cases[] = {
        {{}, {}},
        {{129.99}, {{120}}},
        {{95.0, 174.0}, {{90}, {100}, {110}, {120}, {130}, {140}, {150}, {160}, {170}}},
        {{0.5}, {{0}}},
        {{1e300, 128.0}, {{120}}}, // an absurd tempo makes no buckets
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tempos.size());
        std::vector<Track> tracks;
        for (const double tempo : c.tempos) {
            tracks.push_back(track("t", tempo, nullptr, std::nullopt));
        }
        EXPECT_EQ(makeBPMRangeBuckets(tracks), c.expected);
    }
}

// Ten thousand tracks share a TrackID that a playlist lists ten thousand times: every entry
// added every track of its id before (10^8 positions, 1.3 GB); each id is looked up once now.
TEST(PreparedLibrary, CratesKeepTheirPlaceAndPlaylistsSharingAnIdShareTheirTracks) {
    std::string xml = "<C>";
    for (int i = 0; i < 10'000; ++i) {
        xml += R"(<TRACK TrackID="1" Name="t"/>)";
    }
    xml +=
        R"(<TRACK TrackID="2" Name="u"/><NODE Name="ROOT"><NODE Name="A"><NODE Name="B" Type="1">)";
    for (int i = 0; i < 10'000; ++i) {
        xml += R"(<TRACK Key="1"/>)";
    }
    xml += R"(</NODE></NODE><NODE Name="A/B" Type="1"><TRACK Key="2"/></NODE>)"
           R"(<NODE Name="C" Type="1"><TRACK Key="ghost"/></NODE></NODE></C>)";
    auto read = importing::XMLLibraryReader::parseLibrary(xml);
    ASSERT_TRUE(read);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(PreparedLibrary::prepare(*read, stop.get_token()), nullptr);
    const auto library = PreparedLibrary::prepare(std::move(*read), {});
    ASSERT_NE(library, nullptr);
    std::vector<std::string> crates;
    for (const PreparedLibrary::Crate& crate : library->crates()) {
        std::string path;
        for (const std::string_view level :
             metadata::RekordboxLibrary::pathOf(library->playlistNodes(), crate.node)) {
            path += "[" + std::string(level) + "]";
        }
        crates.push_back(crate.id + " " + path + " " + std::to_string(crate.trackCount));
    }
    EXPECT_EQ(crates, (std::vector<std::string>{"A/B [A][B] 10001", "A/B [A/B] 10001", "C [C] 0"}));
    EXPECT_EQ(library->playlistTracks("A/B")->size(), 10'001U);
    EXPECT_EQ(library->playlistTracks("A/B")->back(), 10'000U);
    EXPECT_EQ(library->playlistIDs(), (std::vector<std::string>{"A/B", "C"}));
    EXPECT_EQ(library->playlistCount("A/B"), 2U);
    EXPECT_EQ(library->playlistCount("A"), 0U);
    EXPECT_EQ(library->playlistName("A/B"), "B");
    EXPECT_EQ(library->playlistName("C"), "C");
}

// House in 8A: the same as every other track here but for what the caller sets.
Track house(std::string id, std::optional<double> bpm, std::optional<int> energy = 6,
            std::string artist = "") {
    Track t = track(id, bpm, "8A", energy, "House");
    t.artist = artist.empty() ? id : artist;
    return t;
}

ListModes tempoModes(int pitchRange, bool halfDouble) {
    ListModes modes;
    modes.pitchRange = *PitchRange::fromPercent(pitchRange);
    modes.halfDouble = halfDouble;
    return modes;
}

std::string pitchOf(const ListRow& row) {
    return row.pitch ? row.pitch->toString() : "-";
}

// "id pitch" per row, in the order listed.
std::vector<std::string> rows(const PreparedLibrary& library,
                              const TrackListComputation::Result& result) {
    std::vector<std::string> listed;
    for (const ListRow& row : result.rows) {
        listed.push_back(library.tracks()[row.index].id + " " + pitchOf(row));
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
    const PreparedLibrary library({house("t", c.bpm)});
    FilterSelections selections;
    if (c.chosenRange) {
        selections.bpmRanges = {BPMRange{*c.chosenRange}};
    }
    const auto result = compute(library, house("s", c.sourceBPM), selections, "",
                                tempoModes(c.pitchRange, c.halfDouble), {c.deckBPM, {}});
    if (!c.pitch) {
        EXPECT_TRUE(result.rows.empty());
        return;
    }
    ASSERT_EQ(result.rows.size(), 1U);
    EXPECT_EQ(pitchOf(result.rows[0]), c.pitch);
    ASSERT_EQ(result.rows[0].score.has_value(), c.bpmScore.has_value());
    if (c.bpmScore) {
        EXPECT_NEAR(*result.rows[0].score, 75 + 0.25 * *c.bpmScore, 1e-9);
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
        {EnergyDirection::up, 10, 8, {}},
        {EnergyDirection::down, 1, 1, 100},
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
        const PreparedLibrary library({house("t", 128.0, c.energy)});
        const auto result = compute(library, house("s", 128.0, c.source), {}, "", modes, {});
        ASSERT_EQ(result.rows.size(), c.energyScore ? 1U : 0U);
        if (c.energyScore) {
            EXPECT_NEAR(*result.rows[0].score, 85 + 0.15 * *c.energyScore, 1e-9);
        }
    }
}

TEST(ListModes, ScopeAndSetMemoryLeaveTracksUncounted) {
    const PreparedLibrary library({house("a", 120.0, 6, "Ana Vey"),
                                   house("a", 120.0, 6, "ana vey "), house("b", 120.0, 6, "Bo"),
                                   house("c", 120.0, 6, "E\u0301ve"), house("d", 140.0, 6, "Cy"),
                                   house("e", 120.0, 6, " ")},
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
            compute(library, house("s", std::nullopt, std::nullopt, c.playingArtist), {}, "", modes,
                    {std::nullopt, c.played});
        std::vector<std::string> artists;
        for (const ListRow& row : result.rows) {
            artists.push_back(library.tracks()[row.index].artist);
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
    const PreparedLibrary library({house("x2", 64.0, 7, "H"), house("near", 130.5, 7, "P"),
                                   house("same", 128.0, 7, "S"), house("low", 128.0, 5, "R"),
                                   house("outside", 128.0, 7, "X")},
                                  {{"Peak", "Peak", {"x2", "near", "same", "low"}}});
    ListModes modes = tempoModes(2, true);
    modes.energyDirection = EnergyDirection::up;
    modes.playlistID = "Peak";
    const Track source = house("s", 128.0, 6, "S");
    const auto all = compute(library, source, {}, "", modes, {});
    EXPECT_EQ(rows(library, all),
              (std::vector<std::string>{"x2 \u00D72 +0.0 %", "same +0.0 %", "near \u22121.9 %"}));

    modes.hidePlayed = true;
    modes.varyArtists = true;
    const auto live = compute(library, source, {}, "", modes, {130.0, {"near"}});
    EXPECT_EQ(rows(library, live), std::vector<std::string>{"x2 \u00D72 +1.6 %"});
}

TEST(HeardKey, TempoMovesTheKeyBySemitonesRoundedHalvesAwayFromZero) {
    // Half a semitone sits at +2.93 % and −2.85 %, a whole one at +5.95 % and −5.61 %; a
    // quarter (25 cents) at +1.455 %.
    // clang-format off
    struct Case { double percent; int semitones; const char* key; bool between; } cases[] = {
        {0, 0, "8A", false},       {1.44, 0, "8A", false},    {1.47, 0, "8A", true},
        {2.92, 0, "8A", true},     {2.94, 1, "3A", true},     {-2.84, 0, "8A", true},
        {-2.86, -1, "1A", true},   {5.90, 1, "3A", false},    {6.00, 1, "3A", false},
        {-5.56, -1, "1A", false},  {-5.66, -1, "1A", false},  {16, 3, "5A", true},
        {100, 12, "8A", false},    {-50, -12, "8A", false},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        const auto heard = HeardKey::at(*key("8A"), 128 * (1 + c.percent / 100), 128);
        ASSERT_TRUE(heard);
        EXPECT_EQ(heard->semitones, c.semitones);
        EXPECT_EQ(heard->key.toString(), c.key);
        EXPECT_EQ(heard->isBetweenKeys(), c.between);
    }
    for (const double bpm : {0.0, -128.0, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(HeardKey::at(*key("8A"), bpm, 128)) << bpm;
        EXPECT_FALSE(HeardKey::at(*key("8A"), 128, bpm)) << bpm;
    }
}

// "id move heard" per row, in the order listed.
std::vector<std::string> keyRows(const PreparedLibrary& library,
                                 const TrackListComputation::Result& result) {
    std::vector<std::string> listed;
    for (const ListRow& row : result.rows) {
        listed.push_back(library.tracks()[row.index].id + " " +
                         (row.move ? std::string(recommendation::nameOf(*row.move)) : "-") + " " +
                         (row.heardKey ? row.heardKey->key.toString() : "-"));
    }
    return listed;
}

TEST(ListModes, StrictnessWidensTheAutomaticKeyFilterOnly) {
    const PreparedLibrary library({track("9A", 128.0, "9A", 6), track("9B", 128.0, "9B", 6),
                                   track("10A", 128.0, "10A", 6), track("3A", 128.0, "3A", 6),
                                   track("none", 128.0, nullptr, 6)});
    // clang-format off
    const struct { HarmonicStrictness strictness; std::vector<std::string> rows; } cases[] = {
        {HarmonicStrictness::strict, {"9A plusOne -"}},
        {HarmonicStrictness::balanced, {"9A plusOne -", "9B diagonal -", "10A boost -"}},
        {HarmonicStrictness::open, {"9A plusOne -", "9B diagonal -", "10A boost -", "none - -", "3A semitoneUp -"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.strictness));
        ListModes modes;
        modes.harmonicStrictness = c.strictness;
        EXPECT_EQ(keyRows(library, compute(library, kSource, {}, "", modes, {})), c.rows);
        // A key chosen on the wheel overrides the strictness.
        FilterSelections chosen;
        chosen.keys = {*key("3A")};
        EXPECT_EQ(keyRows(library, compute(library, kSource, chosen, "", modes, {})),
                  std::vector<std::string>{"3A semitoneUp -"});
    }
}

TEST(ListModes, WithoutKeyLockKeysAreJudgedAsHeard) {
    // Played at 128, a track of 121 sounds a semitone higher: 1A as 8A, 8A as 3A.
    const PreparedLibrary library({house("own 8A", 121.0), track("1A", 121.0, "1A", 6, "House"),
                                   track("level 8A", 128.0, "8A", 6, "House")});
    const struct {
        const char* name;
        int pitchRange;
        bool keyLock;
        std::optional<double> deck;
        std::vector<std::string> rows;
    } cases[] = {
        {"key lock on", 8, true, {}, {"level 8A same -", "own 8A same -"}},
        {"key lock off", 8, false, {}, {"level 8A same 8A", "1A same 8A"}},
        {"a deck a semitone up hears the source in 3A", 8, false, 135.6, {"level 8A same 3A"}},
        {"no tempo mode: rows at the deck's tempo", 0, false, 135.6, {"level 8A same 3A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ListModes modes;
        modes.pitchRange = *PitchRange::fromPercent(c.pitchRange);
        modes.keyLock = c.keyLock;
        EXPECT_EQ(keyRows(library, compute(library, kSource, {}, "", modes, {c.deck, {}})), c.rows);
    }
}

TEST(ListModes, StyleRanksByTheDJsCollectionInPlaceOfTheAutomaticFilters) {
    // "far" is outside every automatic filter but shares a small crate with the source.
    const std::vector<Track> tracks{kSource, track("far", 90.0, "3B", 1, "Techno"),
                                    // clang-format off
                                    track("a", 128.0, "8A", 6, "House"),
                                    track("b", 128.0, "9A", 6, "House"),
                                    // clang-format on
                                    track("c", 150.0, "8A", 6, "House")};
    const std::vector<metadata::Playlist> crates{{"Peak", "Peak", {"source", "far"}}};
    const PreparedLibrary library(tracks, crates);
    const auto model = std::make_shared<const style::StyleModel>(tracks, crates);
    FilterSelections energySix;
    energySix.energies = {6};
    struct Case {
        bool style;
        bool model;
        FilterSelections selections;
        std::vector<std::string> ids;
    } cases[] = {
        {false, true, {}, {"a", "source", "b"}},
        {true, false, {}, {"a", "source", "b"}},
        {true, true, {}, {"far", "a", "b", "c", "source"}},
        {true, true, energySix, {"a", "b", "c", "source"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << c.model << c.selections.energies.size());
        ListModes modes;
        modes.style = c.style;
        LiveInputs live;
        live.style = c.model ? model : nullptr;
        const auto result = compute(library, kSource, c.selections, "", modes, live);
        EXPECT_EQ(listedIds(library, result), c.ids);
        EXPECT_EQ(result.rows.front().style.has_value(), c.style && c.model);
    }
    ListModes modes;
    modes.style = true;
    LiveInputs live{std::nullopt, {}, model};
    const auto result = compute(library, kSource, {}, "", modes, live);
    const std::optional<style::StyleScore>& far = rowOf(library, result, "far").style;
    ASSERT_TRUE(far && far->reason);
    EXPECT_EQ(far->reason->kind, style::StyleReason::Kind::sharedCrates);
    EXPECT_FALSE(rowOf(library, result, "source").style) << "the playing track is not ranked";

    // A longer list keeps its likeliest tracks; a search still reaches every one.
    std::vector<Track> many{kSource};
    for (std::size_t i = 0; i <= kStyleListLength; ++i) {
        many.push_back(track("t" + std::to_string(i), 128.0, "8A", 6, "House"));
    }
    const PreparedLibrary large(many, {{"Peak", "Peak", {"source", "t1000"}}});
    live.style = std::make_shared<const style::StyleModel>(large.tracks(), large.playlists());
    const auto longest = compute(large, kSource, {}, "", modes, live);
    ASSERT_EQ(longest.rows.size(), kStyleListLength);
    EXPECT_EQ(listedIds(large, longest).front(), "t1000") << "the crate mate first";
    EXPECT_EQ(listedIds(large, compute(large, kSource, {}, "t999", modes, live)),
              std::vector<std::string>{"t999"});
}

} // namespace
} // namespace cuevox::tracklist
