// One poll of the deck monitor without the operating system: two walks over a recorded
// rekordbox window of about 2,000 elements (four playing decks above a browser of track rows),
// two scans for deck blocks, the playback check, and then the four look-ups in the prepared
// collection index that the application makes for the decks. Target: under 1 ms in release.
//
//   cuevox-bench-decks FILE       (a collection from bench/generate_collection)
#include "decks/AccessibilityPlatform.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckPoller.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "decks/MonitorClock.hpp"
#include "importing/XMLLibraryReader.hpp"
#include "simulation/SimulatedRekordbox.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace cuevox;
using decks::AccessibilityPlatform;
using Element = AccessibilityPlatform::Element;

constexpr AccessibilityPlatform::ProcessID kPID = 4100;

// A window recorded as a tree whose deck times have two readings, as in two samples 0.18 s
// apart of four playing decks. Reads cost what the seam costs (copies of values and handles)
// and nothing more, so what is measured is the monitor's logic.
class RecordedWindow final : public AccessibilityPlatform {
public:
    struct Node {
        std::string role;
        // The value in the first and the second sample.
        std::string values[2];
        std::vector<Element> children;
    };

    explicit RecordedWindow(const std::vector<simulation::SimulatedTrack>& deckTracks,
                            const std::vector<metadata::Track>& rows) {
        m_window = make("AXWindow");
        Node& window = node(m_window);
        Element toolbar = make("AXGroup");
        for (const char* label : {"rekordbox", "PERFORMANCE", "EXPORT", "LINK", "MIX POINT"}) {
            add(toolbar, text(label));
        }
        for (int i = 0; i < 30; ++i) {
            add(toolbar, make("AXButton"));
        }
        window.children.push_back(toolbar);

        for (std::size_t deck = 0; deck < deckTracks.size(); ++deck) {
            const simulation::SimulatedTrack& track = deckTracks[deck];
            Element group = make("AXGroup");
            add(group, text("DECK " + std::to_string(deck + 1)));
            for (const std::string& value :
                 {track.title, track.artist, track.tempoText, track.keyText}) {
                add(group, text(value));
            }
            add(group, text("0:10.2", "0:10.4"));
            add(group, text("-3:20.1", "-3:19.9"));
            for (const char* label : {"BPM", "KEY", "+0.0%", "\u00b16", "MASTER", "SYNC"}) {
                add(group, text(label));
            }
            for (int i = 0; i < 24; ++i) {
                Element control = make(i % 3 == 0 ? "AXSlider" : "AXButton");
                add(control, make("AXImage"));
                add(group, control);
            }
            window.children.push_back(group);
        }

        // Columns in rekordbox's default order; the tempo is followed by the time, not the
        // key, so the rows form no deck block but make every scan run both patterns.
        Element browser = make("AXTable");
        for (const metadata::Track& track : rows) {
            Element row = make("AXRow");
            char tempo[32];
            std::snprintf(tempo, sizeof tempo, "%.2f", track.bpm.value_or(0));
            for (const std::string& value :
                 {std::string("\u25b6"), track.title, track.artist, std::string(tempo),
                  std::string("6:12"), track.musicalKey.value_or(""), track.genre.value_or(""),
                  std::string("\u2605\u2605\u2605"), track.label.value_or(""),
                  track.comment.value_or("")}) {
                Element cell = make("AXCell");
                add(cell, text(value));
                add(row, cell);
            }
            add(browser, row);
        }
        window.children.push_back(browser);
    }

    std::size_t elementCount() const { return m_count; }

    bool isProcessTrusted() override { return true; }
    bool requestTrust() override { return true; }
    std::vector<RunningApplication> runningApplications() override {
        return {{"com.apple.finder", 301},
                {std::string(simulation::SimulatedRekordbox::kBundleIdentifier), kPID}};
    }
    Element applicationElement(ProcessID) override { return m_window; }

    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override {
        const Node& n = *static_cast<const Node*>(element.get());
        if (attribute == "AXRole") {
            return n.role;
        }
        if (attribute == "AXValue" && n.role == "AXStaticText") {
            return n.values[m_sample];
        }
        return std::nullopt;
    }

    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override {
        const Node& n = *static_cast<const Node*>(element.get());
        if (attribute == "AXWindows" && &n == m_window.get()) {
            return std::vector<Element>{m_window};
        }
        if (attribute == "AXChildren" && !n.children.empty()) {
            return n.children;
        }
        return std::nullopt;
    }

    void nextSample() { m_sample = 1 - m_sample; }

private:
    Node& node(const Element& element) {
        return *static_cast<Node*>(const_cast<void*>(element.get()));
    }
    Element make(std::string role) {
        ++m_count;
        return std::make_shared<Node>(Node{std::move(role), {}, {}});
    }
    Element text(std::string first, std::string second = {}) {
        Element element = make("AXStaticText");
        Node& n = node(element);
        n.values[1] = second.empty() ? first : std::move(second);
        n.values[0] = std::move(first);
        return element;
    }
    void add(const Element& parent, Element child) {
        node(parent).children.push_back(std::move(child));
    }

    Element m_window;
    std::size_t m_count = 0;
    int m_sample = 0;
};

// The gap between the two samples passes at once, and the window shows its other reading.
class SampleClock final : public decks::MonitorClock {
public:
    explicit SampleClock(RecordedWindow& window) : m_window(window) {}
    std::chrono::system_clock::time_point now() override { return {}; }
    void sleepFor(std::chrono::nanoseconds, std::stop_token) override { m_window.nextSample(); }

private:
    RecordedWindow& m_window;
};

struct Fixture {
    std::vector<metadata::Track> tracks;
    decks::LibraryTrackIndex index;
    std::vector<simulation::SimulatedTrack> deckTracks;
    std::unique_ptr<RecordedWindow> window;
};

// Four collection tracks a deck can show, spread over the collection.
std::vector<simulation::SimulatedTrack> pickDeckTracks(const std::vector<metadata::Track>& tracks) {
    std::vector<simulation::SimulatedTrack> picked;
    for (std::size_t step = 1; step <= 4; ++step) {
        for (std::size_t i = tracks.size() * step / 5; i < tracks.size(); ++i) {
            const simulation::SimulatedTrack shown = simulation::SimulatedTrack::from(tracks[i]);
            if (decks::AccessibilityTrackPatternMatcher::extractCandidates(
                    std::vector{shown.title, shown.artist, shown.tempoText, shown.keyText})
                    .size() == 1) {
                picked.push_back(shown);
                break;
            }
        }
    }
    return picked;
}

const decks::DeckMonitorConfiguration kConfiguration{
    std::string(simulation::SimulatedRekordbox::kBundleIdentifier), 0.25, 0.18, 3.0};

void resolveDecks(const Fixture& fixture, benchmark::State& state) {
    for (const simulation::SimulatedTrack& shown : fixture.deckTracks) {
        const metadata::Track* track = fixture.index.find(shown.title, shown.artist);
        if (track == nullptr) {
            state.SkipWithError("a deck track is not found in the collection");
        }
        benchmark::DoNotOptimize(track);
    }
}

void registerBenchmarks(const std::shared_ptr<Fixture>& fixture) {
    RecordedWindow& window = *fixture->window;
    const auto setCounters = [fixture](benchmark::State& state) {
        state.counters["elements"] = static_cast<double>(fixture->window->elementCount());
        state.counters["tracks"] = static_cast<double>(fixture->tracks.size());
    };

    benchmark::RegisterBenchmark("poll + 4 resolutions", [fixture, setCounters](auto& state) {
        SampleClock clock(*fixture->window);
        decks::DeckPoller poller(kConfiguration, *fixture->window, clock);
        std::size_t playing = 0;
        for (auto _ : state) {
            const auto outcome = poller.pollOnce();
            benchmark::DoNotOptimize(outcome);
            resolveDecks(*fixture, state);
        }
        for (const auto& [deck, known] : poller.lastKnownStates()) {
            playing += known.isPlaying ? 1 : 0;
        }
        if (playing != 4) {
            state.SkipWithError("the four decks should be playing");
        }
        setCounters(state);
    })->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("two walks", [fixture, &window, setCounters](auto& state) {
        const Element root = window.applicationElement(kPID);
        std::size_t texts = 0;
        for (auto _ : state) {
            for (int sample = 0; sample < 2; ++sample) {
                const auto values = decks::DeckPoller::collectStaticTextValues(
                    window, root, decks::DeckPoller::kMaxWalkDepth);
                texts = values->size();
                benchmark::DoNotOptimize(values);
            }
        }
        state.counters["texts"] = static_cast<double>(texts);
        setCounters(state);
    })->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("two scans", [fixture, &window, setCounters](auto& state) {
        const std::vector<std::string> texts = *decks::DeckPoller::collectStaticTextValues(
            window, window.applicationElement(kPID), decks::DeckPoller::kMaxWalkDepth);
        for (auto _ : state) {
            benchmark::DoNotOptimize(
                decks::AccessibilityTrackPatternMatcher::extractDeckSlots(texts));
            benchmark::DoNotOptimize(
                decks::AccessibilityTrackPatternMatcher::extractCandidates(texts));
        }
        state.counters["texts"] = static_cast<double>(texts.size());
        setCounters(state);
    })->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("four resolutions", [fixture, setCounters](auto& state) {
        for (auto _ : state) {
            resolveDecks(*fixture, state);
        }
        setCounters(state);
    })->Unit(benchmark::kMicrosecond);

    // Once per collection load, for scale.
    benchmark::RegisterBenchmark("index the collection", [fixture, setCounters](auto& state) {
        for (auto _ : state) {
            const decks::LibraryTrackIndex index(fixture->tracks);
            benchmark::DoNotOptimize(index);
        }
        setCounters(state);
    })->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cuevox-bench-decks [benchmark options] FILE\n");
        return 2;
    }
    auto tracks = importing::XMLLibraryReader(argv[1]).loadTracks();
    if (!tracks) {
        std::fprintf(stderr, "%s: %s\n", argv[1], tracks.error().message().c_str());
        return 1;
    }
    auto fixture = std::make_shared<Fixture>();
    fixture->tracks = std::move(*tracks);
    fixture->index = decks::LibraryTrackIndex(fixture->tracks);
    fixture->deckTracks = pickDeckTracks(fixture->tracks);
    if (fixture->deckTracks.size() != 4) {
        std::fprintf(stderr, "%s: fewer than four tracks a deck can show\n", argv[1]);
        return 1;
    }
    // As many browser rows as fit on a large screen.
    const std::vector<metadata::Track> rows(
        fixture->tracks.begin(),
        fixture->tracks.begin() + std::min<std::ptrdiff_t>(80, std::ssize(fixture->tracks)));
    fixture->window = std::make_unique<RecordedWindow>(fixture->deckTracks, rows);
    registerBenchmarks(fixture);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
