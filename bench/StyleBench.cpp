// The style model on generated collections: preparing it once per collection (from the
// playlists alone, and with the HISTORY playlists given as history files instead, matched by
// location), the memory it keeps, and one ranking of the whole collection.
//
//   cuevox-bench-style FILE...   (files from bench/generate_collection with --histories)
#include "importing/XMLLibraryReader.hpp"
#include "style/StyleModel.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using namespace cuevox;

// Heap bytes in use, small blocks and mapped ones.
std::size_t heapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Collection {
    std::vector<metadata::Track> tracks;
    std::vector<metadata::Playlist> playlists;
    // The same, with the HISTORY playlists as files of locations.
    std::vector<metadata::Playlist> crates;
    std::vector<importing::M3U8Reader::M3U8Playlist> histories;
};

Collection split(metadata::RekordboxLibrary library) {
    Collection collection{std::move(library.tracks), std::move(library.playlists), {}, {}};
    std::unordered_map<std::string, const metadata::Track*> byID;
    for (const metadata::Track& track : collection.tracks) {
        byID.try_emplace(track.id, &track);
    }
    for (const metadata::Playlist& playlist : collection.playlists) {
        if (!playlist.name.starts_with("HISTORY/")) {
            collection.crates.push_back(playlist);
            continue;
        }
        importing::M3U8Reader::M3U8Playlist history{playlist.name.substr(8), {}};
        for (const std::string& id : playlist.trackIDs) {
            const auto found = byID.find(id);
            if (found != byID.end() && found->second->filepath) {
                history.locations.push_back(*found->second->filepath);
            }
        }
        collection.histories.push_back(std::move(history));
    }
    return collection;
}

// A playing track the sets know: the first entry of the first HISTORY playlist.
const metadata::Track& playingTrack(const Collection& collection) {
    for (const metadata::Playlist& playlist : collection.playlists) {
        if (playlist.name.starts_with("HISTORY/") && !playlist.trackIDs.empty()) {
            for (const metadata::Track& track : collection.tracks) {
                if (track.id == playlist.trackIDs.front()) {
                    return track;
                }
            }
        }
    }
    return collection.tracks.front();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cuevox-bench-style [benchmark options] FILE...\n");
        return 2;
    }
    std::vector<std::shared_ptr<const Collection>> collections;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        auto read = importing::XMLLibraryReader(path).loadLibrary();
        if (!read) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), read.error().message().c_str());
            return 1;
        }
        auto collection = std::make_shared<const Collection>(split(std::move(*read)));
        const std::string name = std::filesystem::path(path).stem().string();

        const std::size_t before = heapInUse();
        auto model =
            std::make_shared<const style::StyleModel>(collection->tracks, collection->playlists);
        const std::size_t kept = heapInUse() - before;
        std::printf(
            "%s: %zu tracks, %zu playlists (%zu entries), %zu sets, %zu transitions; "
            "the model keeps %.1f MB\n",
            name.c_str(), collection->tracks.size(), collection->playlists.size(),
            [&] {
                std::size_t entries = 0;
                for (const auto& playlist : collection->playlists) {
                    entries += playlist.trackIDs.size();
                }
                return entries;
            }(),
            model->setCount(), model->transitionCount(), static_cast<double>(kept) / 1e6);

        benchmark::RegisterBenchmark((name + "/prepare").c_str(), [collection](
                                                                      benchmark::State& state) {
            for (auto _ : state) {
                style::StyleModel prepared(collection->tracks, collection->playlists);
                benchmark::DoNotOptimize(prepared);
            }
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/prepare with history files").c_str(),
                                     [collection](benchmark::State& state) {
                                         for (auto _ : state) {
                                             style::StyleModel prepared(collection->tracks,
                                                                        collection->crates,
                                                                        collection->histories);
                                             benchmark::DoNotOptimize(prepared);
                                         }
                                     })
            ->Unit(benchmark::kMillisecond);
        const metadata::Track playing = playingTrack(*collection);
        benchmark::RegisterBenchmark((name + "/rank").c_str(), [model,
                                                                playing](benchmark::State& state) {
            for (auto _ : state) {
                auto ranked = model->rank(playing);
                benchmark::DoNotOptimize(ranked);
            }
        })->Unit(benchmark::kMillisecond);
        collections.push_back(std::move(collection));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
