// Key and comment-tag reading over a corpus shaped like real collections: the import calls
// these once per track, so their cost per text bounds the cost of loading a collection.
#include "metadata/CommentTagParser.hpp"
#include "metadata/EnergyParser.hpp"
#include "metadata/MusicalKeyConverter.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace cuevox::metadata;

std::vector<std::string> keyCorpus(std::size_t size) {
    static constexpr std::array<const char*, 24> kClassical{
        "Am",  "C",       "F#m", "Dbmaj", "E minor",  "Bb", "Ebm", "G",
        "Abm", "D major", "Cm",  "B",     "F\u266Fm", "Gb", "C#m", "A",
        "Fm",  "Eb",      "Dm",  "E",     "Bbm",      "F",  "G#m", "Db"};
    std::mt19937 random(2026);
    std::vector<std::string> corpus;
    corpus.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        switch (random() % 10) {
        case 0:
            corpus.emplace_back(""); // many exports carry no key at all
            break;
        case 1:
        case 2:
        case 3:
            corpus.push_back(std::to_string(random() % 12 + 1) + (random() % 2 ? "A" : "B"));
            break;
        case 4: corpus.emplace_back(random() % 2 ? "1m" : "Amaj7"); break;
        default: corpus.emplace_back(kClassical[random() % kClassical.size()]);
        }
    }
    return corpus;
}

std::vector<std::string> commentCorpus(std::size_t size) {
    static constexpr std::array<const char*, 12> kComments{
        "",
        "Purchased at Beatport",
        "Great peak-time track, watch the long breakdown",
        "Deep 8A - 7 Energy tune",
        "12B - 10 Energy",
        "Energy 7",
        "Key 8A / E6",
        "[E8] warm-up",
        "Caf\u00E9 del Mar edit \u2014 sunset set",
        "Energy 11 / E5",
        "1A - 0 Energy remastered 2019",
        "Vocal, piano, no energy tag but a long comment to scan all the way through to the end",
    };
    std::mt19937 random(7);
    std::vector<std::string> corpus;
    corpus.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        corpus.emplace_back(kComments[random() % kComments.size()]);
    }
    return corpus;
}

constexpr std::size_t kCorpusSize = 10'000;

void parseAnyKeyNotation(benchmark::State& state) {
    const std::vector<std::string> corpus = keyCorpus(kCorpusSize);
    for (auto _ : state) {
        for (const std::string& text : corpus) {
            benchmark::DoNotOptimize(MusicalKeyConverter::parseAnyKeyNotation(text));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * corpus.size()));
    state.counters["ns_per_text"] = benchmark::Counter(
        static_cast<double>(state.iterations() * corpus.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(parseAnyKeyNotation)->Unit(benchmark::kMillisecond);

// What the import does per track: the tag first, the general energy parser after it.
void commentTagAndEnergy(benchmark::State& state) {
    const std::vector<std::string> corpus = commentCorpus(kCorpusSize);
    for (auto _ : state) {
        for (const std::string& text : corpus) {
            benchmark::DoNotOptimize(CommentTagParser::parse(text));
            benchmark::DoNotOptimize(EnergyParser::parse(text));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * corpus.size()));
    state.counters["ns_per_text"] = benchmark::Counter(
        static_cast<double>(state.iterations() * corpus.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(commentTagAndEnergy)->Unit(benchmark::kMillisecond);

} // namespace
