// Collection import on inputs built to be slow or large rather than real: one attribute value
// of 16, 64 and 256 MB, and playlist folders nested 10,000 and 100,000 deep. Each input is
// written once into DIR and loaded through the real reader; the time per MB must stay flat as
// an input grows. bench/run-import-worst also measures each load's peak memory.
//
//   cuevox-bench-import-worst [benchmark options] DIR
#include "importing/XMLLibraryReader.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using cuevox::importing::XMLLibraryReader;

struct Input {
    std::string name;
    std::string (*generate)(std::size_t);
    std::size_t size;
};

std::string longValue(const char* attribute, std::size_t megabytes) {
    std::string xml = R"(<DJ_PLAYLISTS Version="1.0.0"><COLLECTION Entries="1">)"
                      R"(<TRACK TrackID="1" Name="T" )";
    xml += attribute;
    xml += "=\"";
    const std::string_view words = "a long value ";
    const std::size_t length = megabytes << 20;
    xml.reserve(xml.size() + length + 64);
    while (xml.size() < length) {
        xml += words;
    }
    return xml + R"("/></COLLECTION></DJ_PLAYLISTS>)";
}

// An attribute no part of the reader looks at: Expat and the reader's feeding alone.
std::string longKind(std::size_t megabytes) {
    return longValue("Kind", megabytes);
}

// The comment, which the key tag and energy readers search as well.
std::string longComment(std::size_t megabytes) {
    return longValue("Comments", megabytes);
}

std::string nestedFolders(std::size_t depth) {
    std::string xml = R"(<DJ_PLAYLISTS Version="1.0.0"><PLAYLISTS><NODE Type="0" Name="ROOT">)";
    for (std::size_t level = 0; level < depth; ++level) {
        xml += R"(<NODE Name="Folder" Type="0" Count="1">)";
    }
    xml += R"(<NODE Name="Deepest" Type="1" KeyType="0" Entries="0"/>)";
    for (std::size_t level = 0; level < depth; ++level) {
        xml += "</NODE>";
    }
    return xml + "</NODE></PLAYLISTS></DJ_PLAYLISTS>";
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cuevox-bench-import-worst [benchmark options] DIR\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);

    const std::vector<Input> inputs = {
        {"kind-16MB", longKind, 16},
        {"kind-64MB", longKind, 64},
        {"kind-256MB", longKind, 256},
        {"comment-16MB", longComment, 16},
        {"comment-64MB", longComment, 64},
        {"comment-256MB", longComment, 256},
        {"folders-10000", nestedFolders, 10'000},
        {"folders-100000", nestedFolders, 100'000},
    };
    for (const Input& input : inputs) {
        const std::filesystem::path path = directory / (input.name + ".xml");
        if (!std::filesystem::exists(path)) {
            std::ofstream(path, std::ios::binary) << input.generate(input.size);
        }
        const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
        const auto load = [path, bytes](benchmark::State& state) {
            for (auto _ : state) {
                const auto library = XMLLibraryReader(path).loadLibrary();
                if (!library) {
                    state.SkipWithError(library.error().message().c_str());
                    break;
                }
                benchmark::DoNotOptimize(library);
            }
            state.SetBytesProcessed(state.iterations() * bytes);
        };
        benchmark::RegisterBenchmark(("load/" + input.name).c_str(), load)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
