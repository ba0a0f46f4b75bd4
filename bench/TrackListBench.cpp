// The main window's list recomputation on generated collections: with and without a playing
// track, with no, one and several filter choices, and while searching. Each run is what one
// keystroke (after the debounce) or one deck change costs the main thread. "prepare" is what
// a load costs once the file is read: the search keys, genres, buckets and alphabetical ranks.
// The live-set cases turn on every list mode: the whole collection, and one crate (its largest
// playlist).
//
//   cuevox-bench-tracklist FILE...      (files from bench/generate_collection)
#include "importing/XMLLibraryReader.hpp"
#include "style/StyleModel.hpp"
#include "tracklist/ListModes.hpp"
#include "tracklist/LiveInputs.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace cuevox;

// A source with tempo, key and energy from the collection's densest tempo region, so the
// automatic filters and the scoring have real work.
std::optional<metadata::Track> typicalSource(const std::vector<metadata::Track>& tracks) {
    for (const metadata::Track& track : tracks) {
        if (track.bpm && *track.bpm > 120 && *track.bpm < 130 && track.camelotKey && track.energy &&
            track.genre) {
            return track;
        }
    }
    return std::nullopt;
}

struct Scenario {
    const char* name;
    bool withSource;
    tracklist::FilterSelections selections;
    std::string search;
    tracklist::ListModes modes = {};
    tracklist::LiveInputs live = {};
};

// Every mode on, as a DJ deep in a set would have them; the deck pitched up 2 %.
tracklist::ListModes everyMode(std::optional<std::string> playlistID) {
    return {.pitchRange = *tracklist::PitchRange::fromPercent(8),
            .halfDouble = true,
            .energyDirection = tracklist::EnergyDirection::up,
            .playlistID = std::move(playlistID),
            .hidePlayed = true,
            .varyArtists = true,
            .harmonicStrictness = tracklist::HarmonicStrictness::balanced,
            .keyLock = false,
            .keyMoves = true};
}

tracklist::LiveInputs liveInputs(const std::vector<metadata::Track>& tracks,
                                 const std::optional<metadata::Track>& source) {
    tracklist::LiveInputs live;
    if (source && source->bpm) {
        live.sourceDeckBPM = *source->bpm * 1.02;
    }
    for (std::size_t i = 0; i < tracks.size() && i < 20; ++i) {
        live.playedTrackIDs.push_back(tracks[i * (tracks.size() / 20)].id);
    }
    return live;
}

std::optional<std::string> largestPlaylist(const std::vector<metadata::Playlist>& playlists) {
    const metadata::Playlist* largest = nullptr;
    for (const metadata::Playlist& playlist : playlists) {
        if (!largest || playlist.trackIDs.size() > largest->trackIDs.size()) {
            largest = &playlist;
        }
    }
    return largest ? std::optional<std::string>(largest->id) : std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cuevox-bench-tracklist [benchmark options] FILE...\n");
        return 2;
    }
    std::vector<std::shared_ptr<const tracklist::PreparedLibrary>> libraries;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        auto read = importing::XMLLibraryReader(path).loadLibrary();
        if (!read) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), read.error().message().c_str());
            return 1;
        }
        auto library = std::make_shared<const tracklist::PreparedLibrary>(std::move(read->tracks),
                                                                          read->playlists);
        const std::optional<metadata::Track> source = typicalSource(library->tracks());
        const std::string name = std::filesystem::path(path).stem().string();
        const auto prepare = [library](benchmark::State& state) {
            for (auto _ : state) {
                state.PauseTiming();
                std::vector<metadata::Track> copy = library->tracks();
                state.ResumeTiming();
                auto prepared = std::make_unique<tracklist::PreparedLibrary>(std::move(copy));
                state.PauseTiming();
                prepared.reset();
                state.ResumeTiming();
            }
        };
        benchmark::RegisterBenchmark((name + "/prepare").c_str(), prepare)
            ->Unit(benchmark::kMillisecond);

        tracklist::FilterSelections oneGenre;
        if (!library->availableGenreNames().empty()) {
            oneGenre.genres = {library->availableGenreNames().front()};
        }
        tracklist::FilterSelections several = oneGenre;
        several.bpmRanges = {tracklist::BPMRange{120}, tracklist::BPMRange{130}};
        several.keys = {*metadata::CamelotKey::fromString("8A"),
                        *metadata::CamelotKey::fromString("9A")};
        several.energies = {5, 6, 7};

        tracklist::ListModes styled = everyMode(std::nullopt);
        styled.style = true;
        tracklist::LiveInputs styledLive = liveInputs(library->tracks(), source);
        styledLive.style = std::make_shared<const style::StyleModel>(
            std::span(library->tracks()), std::span(library->playlists()));

        const std::vector<Scenario> scenarios = {
            {"no source", false, {}, ""},
            {"source", true, {}, ""},
            {"source, one genre", true, oneGenre, ""},
            {"source, several choices", true, several, ""},
            {"no source, search", false, {}, "an"},
            {"source, every live mode",
             true,
             {},
             "",
             everyMode(std::nullopt),
             liveInputs(library->tracks(), source)},
            {"source, every live mode, one crate",
             true,
             {},
             "",
             everyMode(largestPlaylist(read->playlists)),
             liveInputs(library->tracks(), source)},
            {"source, every live mode and the style", true, {}, "", styled, styledLive},
        };
        for (const Scenario& scenario : scenarios) {
            benchmark::RegisterBenchmark(
                (name + "/" + scenario.name).c_str(),
                [library, source, scenario](benchmark::State& state) {
                    const std::optional<metadata::Track> playing =
                        scenario.withSource ? source : std::nullopt;
                    std::size_t listed = 0;
                    for (auto _ : state) {
                        const auto result = tracklist::TrackListComputation::compute(
                            *library, playing, scenario.selections, scenario.search, scenario.modes,
                            scenario.live);
                        listed = result.rows.size();
                        benchmark::DoNotOptimize(result);
                    }
                    state.counters["tracks"] = static_cast<double>(library->tracks().size());
                    state.counters["listed"] = static_cast<double>(listed);
                })
                ->Unit(benchmark::kMillisecond);
        }
        // The style ranks the collection once per playing track; here every list follows a
        // track change, as the first list of each new track does.
        benchmark::RegisterBenchmark(
            (name + "/source, every live mode and the style, a new track each time").c_str(),
            [library, source, styled, styledLive](benchmark::State& state) {
                metadata::Track playing = *source;
                std::size_t listed = 0;
                for (auto _ : state) {
                    playing.energy = playing.energy == 6 ? 7 : 6;
                    const auto result = tracklist::TrackListComputation::compute(
                        *library, playing, {}, "", styled, styledLive);
                    listed = result.rows.size();
                    benchmark::DoNotOptimize(result);
                }
                state.counters["listed"] = static_cast<double>(listed);
            })
            ->Unit(benchmark::kMillisecond);
        libraries.push_back(std::move(library));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
