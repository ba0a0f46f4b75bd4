// Ranking a whole generated collection against one playing track with the default settings,
// for playing tracks from several tempo regions (hip hop, house, tech house, techno, drum &
// bass), and for all of them in turn. Counters: time per candidate, allocations per call.
//
//   cuevox-bench-recommendation FILE...      (files from bench/generate_collection)
#include "importing/XMLLibraryReader.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"
#include "recommendation/RecommendationService.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

std::atomic<std::size_t> allocations{0};

} // namespace

// Counting every allocation shows whether the candidate pass allocates per candidate. GCC
// inlines these into the standard containers and then mistakes malloc/free for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#pragma GCC diagnostic pop

namespace {

using namespace cuevox;

recommendation::RecommendationService defaultService() {
    return recommendation::RecommendationService({
        .weights = {0.35, 0.25, 0.25, 0.15},
        .bpmTolerance = {0.15, 1.0},
        .genreMode = recommendation::GenreMode::exactOnly,
        .genreProvider = recommendation::ExactGenreCompatibility{},
        .harmonicMode = recommendation::HarmonicMode::strict,
        .energyMode = recommendation::EnergyToleranceMode::plusMinus1,
        .resultCount = 20,
        .excludedTrackIDs = {},
    });
}

// The first complete, playable track near the tempo: what a deck would really hold.
std::optional<metadata::Track> sourceNear(const std::vector<metadata::Track>& tracks, double bpm) {
    for (const metadata::Track& track : tracks) {
        if (track.isValidCandidate() && std::abs(*track.bpm - bpm) <= 0.5 && track.camelotKey &&
            track.energy && track.genre && !track.genre->empty()) {
            return track;
        }
    }
    return std::nullopt;
}

// The machine is shared, so the least of several repetitions is the truest figure.
double least(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

void setCounters(benchmark::State& state, std::size_t candidatesPerCall, std::size_t calls,
                 std::size_t allocated) {
    const auto perIteration = static_cast<double>(candidatesPerCall);
    state.counters["candidates"] = perIteration;
    // Seconds per candidate, which the console shows with an SI prefix ("140n" is 140 ns).
    state.counters["time/candidate"] = benchmark::Counter(
        perIteration, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["allocs/call"] =
        static_cast<double>(allocated) / static_cast<double>(std::max<std::size_t>(calls, 1));
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cuevox-bench-recommendation [benchmark options] FILE...\n");
        return 2;
    }
    const auto service =
        std::make_shared<const recommendation::RecommendationService>(defaultService());
    const double tempos[] = {100, 124, 128, 140, 174};

    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        auto loaded = importing::XMLLibraryReader(path).loadTracks();
        if (!loaded) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), loaded.error().message().c_str());
            return 1;
        }
        const auto tracks =
            std::make_shared<const std::vector<metadata::Track>>(std::move(*loaded));
        const std::string name = std::filesystem::path(path).stem().string();

        auto sources = std::make_shared<std::vector<metadata::Track>>();
        for (const double tempo : tempos) {
            const std::optional<metadata::Track> source = sourceNear(*tracks, tempo);
            if (!source) {
                std::fprintf(stderr, "%s: no track near %.0f BPM\n", path.c_str(), tempo);
                return 1;
            }
            sources->push_back(*source);
            benchmark::RegisterBenchmark(
                (name + "/" + std::to_string(static_cast<int>(tempo)) + " BPM").c_str(),
                [service, tracks, source = *source](benchmark::State& state) {
                    std::size_t results = 0;
                    const std::size_t before = allocations.load();
                    for (auto _ : state) {
                        const auto ranked = service->recommendations(source, *tracks);
                        results = ranked.size();
                        benchmark::DoNotOptimize(ranked);
                    }
                    setCounters(state, tracks->size(), state.iterations(),
                                allocations.load() - before);
                    state.counters["results"] = static_cast<double>(results);
                })
                ->Unit(benchmark::kMillisecond)
                ->ComputeStatistics("min", least);
        }
        // One call per tempo region per iteration: the average a set that wanders would see.
        benchmark::RegisterBenchmark(
            (name + "/all regions").c_str(),
            [service, tracks, sources](benchmark::State& state) {
                const std::size_t before = allocations.load();
                for (auto _ : state) {
                    for (const metadata::Track& source : *sources) {
                        benchmark::DoNotOptimize(service->recommendations(source, *tracks));
                    }
                }
                setCounters(state, tracks->size() * sources->size(),
                            state.iterations() * sources->size(), allocations.load() - before);
            })
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", least);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
