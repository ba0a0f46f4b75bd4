// Collection import against two floors measured on the same bytes in the same binary:
// (a) reading the file into memory, (b) an Expat parse with empty handlers. The reader can
// never beat (b); the target is to stay within twice it.
//
//   cuevox-bench-import FILE...      (files from bench/generate_collection)
#include "importing/XMLLibraryReader.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <expat.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using cuevox::importing::XMLLibraryReader;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(std::filesystem::file_size(path), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void XMLCALL ignoreStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL ignoreEnd(void*, const XML_Char*) {}

// Fed in the same 1 MiB pieces as the reader feeds it.
bool expatEmptyParse(const std::string& bytes) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, ignoreStart, ignoreEnd);
    bool ok = true;
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kChunk, bytes.size() - offset);
        const bool last = offset + length == bytes.size();
        ok = XML_Parse(parser, bytes.data() + offset, static_cast<int>(length),
                       last ? XML_TRUE : XML_FALSE) == XML_STATUS_OK;
        offset += length;
    } while (ok && offset < bytes.size());
    XML_ParserFree(parser);
    return ok;
}

void setBytes(benchmark::State& state, std::size_t size) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// The bytes of every text a track holds: what the memory target is measured against.
std::size_t textBytes(const cuevox::metadata::RekordboxLibrary& library) {
    std::size_t total = 0;
    const auto add = [&](const std::optional<std::string>& text) {
        total += text ? text->size() : 0;
    };
    for (const auto& track : library.tracks) {
        total += track.id.size() + track.title.size() + track.artist.size();
        add(track.genre);
        add(track.musicalKey);
        add(track.comment);
        add(track.filepath);
        add(track.label);
    }
    return total;
}

// Collects CPU times (the median when repeated) so the summary can set each reading against
// its floors; CPU time, because a busy machine stretches real time but not the work done.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (single || median) {
                milliseconds[run.run_name.str()] = run.GetAdjustedCPUTime();
            }
        }
    }
    std::map<std::string, double> milliseconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) {
        std::fprintf(stderr, "usage: cuevox-bench-import [benchmark options] FILE...\n");
        return 2;
    }

    std::map<std::string, std::size_t> tracksPerFile;
    std::map<std::string, std::size_t> bytesPerFile;
    std::map<std::string, std::size_t> textBytesPerFile;
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        const auto library = XMLLibraryReader(path).loadLibrary();
        if (!library) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), library.error().message().c_str());
            return 1;
        }
        tracksPerFile[name] = library->tracks.size();
        textBytesPerFile[name] = textBytes(*library);
        bytesPerFile[name] = std::filesystem::file_size(path);
        const std::size_t size = bytesPerFile[name];

        benchmark::RegisterBenchmark(("read/" + name).c_str(), [path, size](benchmark::State& s) {
            for (auto _ : s) {
                benchmark::DoNotOptimize(readFile(path));
            }
            setBytes(s, size);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("expat/" + name).c_str(), [path, size](benchmark::State& s) {
            const std::string bytes = readFile(path);
            for (auto _ : s) {
                benchmark::DoNotOptimize(expatEmptyParse(bytes));
            }
            setBytes(s, size);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("load/" + name).c_str(), [path, size](benchmark::State& s) {
            for (auto _ : s) {
                benchmark::DoNotOptimize(XMLLibraryReader(path).loadLibrary());
            }
            setBytes(s, size);
        })->Unit(benchmark::kMillisecond);
    }

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf(
        "\n| file | tracks | MB | text MB | read ms | Expat ms | load ms | MB/s | load/read | "
        "load/Expat | us/track |\n|---|---|---|---|---|---|---|---|---|---|---|\n");
    // In the order given, which is usually by size.
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        const std::size_t tracks = tracksPerFile[name];
        const double read = reporter.milliseconds["read/" + name];
        const double expat = reporter.milliseconds["expat/" + name];
        const double load = reporter.milliseconds["load/" + name];
        const double megabytes = static_cast<double>(bytesPerFile[name]) / 1e6;
        if (load <= 0) {
            continue;
        }
        std::printf("| %s | %zu | %.1f | %.1f | %.1f | %.1f | %.1f | %.0f | %.2f | %.2f | %.2f |\n",
                    name.c_str(), tracks, megabytes,
                    static_cast<double>(textBytesPerFile[name]) / 1e6, read, expat, load,
                    megabytes / (load / 1e3), load / read, load / expat,
                    load * 1e3 / static_cast<double>(tracks));
    }
    return 0;
}
