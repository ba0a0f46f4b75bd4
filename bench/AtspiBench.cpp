// What reading a real window over AT-SPI costs: the deck display with four loaded decks, two
// of them playing, read through the backend as the deck monitor reads rekordbox. Run inside
// tests/e2e/with-accessibility-session (bench/run-atspi does).
#include "linux/AtspiAccessibilityPlatform.hpp"
#include "DeckDisplayProcess.hpp"
#include "decks/DeckPoller.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using cuevox::decks::AccessibilityPlatform;
using cuevox::decks::DeckPoller;
using cuevox::platform::AtspiAccessibilityPlatform;

std::shared_ptr<AtspiAccessibilityPlatform> g_platform;
std::unique_ptr<cuevox::e2e::ChildProcess> g_display;

// Seconds of CPU the process has used, user and system (fields 14 and 15 of its stat).
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t at = text.rfind(')');
    if (at == std::string::npos) {
        return 0;
    }
    std::istringstream fields(text.substr(at + 2));
    std::string field;
    double ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14) {
            ticks += std::stod(field);
        }
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

AccessibilityPlatform::Element displayWindow() {
    const auto application = g_platform->applicationElement(g_display->pid());
    const auto windows = g_platform->elementsAttribute(application, "AXWindows");
    return windows && !windows->empty() ? windows->front() : nullptr;
}

void BM_WalkTheWindow(benchmark::State& state) {
    const AccessibilityPlatform::Element window = displayWindow();
    const double displayBefore = cpuSeconds(g_display->pid());
    std::size_t texts = 0;
    for (auto _ : state) {
        texts = DeckPoller::collectStaticTextValues(*g_platform, window, DeckPoller::kMaxWalkDepth)
                    ->size();
        benchmark::DoNotOptimize(texts);
    }
    state.counters["texts"] = static_cast<double>(texts);
    state.counters["display_cpu_us"] = benchmark::Counter(
        (cpuSeconds(g_display->pid()) - displayBefore) * 1e6 / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WalkTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// A whole poll without the pause between its two samples: finding the application, its window,
// two walks, the deck blocks and the playback check.
void BM_PollWithoutTheGap(benchmark::State& state) {
    auto configuration = cuevox::decks::DeckMonitorConfiguration::rekordbox();
    configuration.playbackSampleGap = 0;
    cuevox::decks::SystemMonitorClock clock;
    DeckPoller poller(configuration, *g_platform, clock);
    const double displayBefore = cpuSeconds(g_display->pid());
    for (auto _ : state) {
        benchmark::DoNotOptimize(poller.pollOnce());
    }
    state.counters["decks"] = static_cast<double>(poller.lastKnownStates().size());
    state.counters["display_cpu_us"] = benchmark::Counter(
        (cpuSeconds(g_display->pid()) - displayBefore) * 1e6 / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PollWithoutTheGap)->Unit(benchmark::kMillisecond)->UseRealTime();

bool startDisplay() {
    g_platform = std::make_shared<AtspiAccessibilityPlatform>(AtspiAccessibilityPlatform::BundleIdentifiers{
        {AtspiAccessibilityPlatform::kDeckDisplayName,
         cuevox::decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier}});
    g_display = cuevox::e2e::startDeckDisplay(*g_platform, 15s);
    if (!g_display) {
        return false;
    }
    for (const char* command : {"load 1 194966882", "load 2 53162010", "load 3 191874777",
                                "load 4 137820672", "play 1", "play 3"}) {
        if (g_display->request(command, 5s) != "ok") {
            return false;
        }
    }
    return displayWindow() != nullptr;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!startDisplay()) {
        std::fprintf(stderr, "cuevox-bench-atspi: the deck display did not appear on the "
                             "accessibility bus (run it through bench/run-atspi)\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_display.reset();
    return 0;
}
