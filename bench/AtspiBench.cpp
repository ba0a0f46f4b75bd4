// What reading a real window over AT-SPI costs: the deck display, with a browser of --browser N
// rows and --decks 2 or 4 decks (loaded, deck 1 playing), read through the backend as the deck
// monitor reads rekordbox. Then, with --monitor-seconds S, the display's CPU time while idle
// and while a monitor watches it, with and without events. Run inside
// tests/e2e/with-accessibility-session (bench/run-atspi does). The source builds against this
// tree and against an older one, so that both monitors are measured by the same harness.
#include "DeckDisplayProcess.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/DeckPoller.hpp"
#include "linux/AtspiAccessibilityPlatform.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using cuevox::decks::AccessibilityPlatform;
using cuevox::decks::DeckMonitorConfiguration;
using cuevox::decks::DeckPoller;
using cuevox::platform::AtspiAccessibilityPlatform;

std::shared_ptr<AtspiAccessibilityPlatform> g_platform;
std::unique_ptr<cuevox::e2e::ChildProcess> g_display;
std::string g_browserRows = "0";
std::string g_decks = "4";

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

// Events exist only in the newer monitor; the older one polls whatever this says.
template <typename Configuration>
bool setEvents(Configuration& configuration, bool on) {
    if constexpr (requires { configuration.followEvents = on; }) {
        configuration.followEvents = on;
        return true;
    }
    return !on;
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
                    .value_or(std::vector<std::string>{})
                    .size();
        benchmark::DoNotOptimize(texts);
    }
    state.counters["texts"] = static_cast<double>(texts);
    state.counters["display_cpu_us"] =
        benchmark::Counter((cpuSeconds(g_display->pid()) - displayBefore) * 1e6 /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WalkTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// A whole poll without the pause between its two samples: finding the application and its
// window, the two samples, the deck blocks and the playback check. The newer monitor walks
// the window every few seconds and reads the decks' texts in between; the mean holds both.
void BM_PollWithoutTheGap(benchmark::State& state) {
    auto configuration = DeckMonitorConfiguration::rekordbox();
    configuration.playbackSampleGap = 0;
    setEvents(configuration, false);
    cuevox::decks::SystemMonitorClock clock;
    DeckPoller poller(configuration, *g_platform, clock);
    poller.pollOnce();
    const double displayBefore = cpuSeconds(g_display->pid());
    for (auto _ : state) {
        benchmark::DoNotOptimize(poller.pollOnce());
    }
    state.counters["decks"] = static_cast<double>(poller.lastKnownStates().size());
    state.counters["display_cpu_us"] =
        benchmark::Counter((cpuSeconds(g_display->pid()) - displayBefore) * 1e6 /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PollWithoutTheGap)->Unit(benchmark::kMillisecond)->UseRealTime();

// The display's CPU seconds per minute over `seconds`: alone, then watched by a monitor at
// rekordbox's intervals with events, then without.
void measureMonitoring(int seconds) {
    const auto perMinute = [&](const char* what, auto&& during) {
        const double before = cpuSeconds(g_display->pid());
        const double ownBefore = cpuSeconds(::getpid());
        during();
        const double used = cpuSeconds(g_display->pid()) - before;
        const double own = cpuSeconds(::getpid()) - ownBefore;
        std::printf("display CPU, %-28s %8.3f s per minute (the monitor's side: %.3f s)\n", what,
                    used * 60 / seconds, own * 60 / seconds);
    };
    perMinute("alone:", [&] { std::this_thread::sleep_for(std::chrono::seconds(seconds)); });
    for (const bool events : {true, false}) {
        auto configuration = DeckMonitorConfiguration::rekordbox();
        if (!setEvents(configuration, events)) {
            std::printf("display CPU, %-28s      n/a (no events in this monitor)\n",
                        "watched, with events:");
            continue;
        }
        perMinute(events ? "watched, with events:" : "watched, events off:", [&] {
            const cuevox::decks::AccessibilityDeckMonitor monitor(configuration, g_platform);
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
        });
    }
}

bool startDisplay() {
    g_platform =
        std::make_shared<AtspiAccessibilityPlatform>(AtspiAccessibilityPlatform::BundleIdentifiers{
            {AtspiAccessibilityPlatform::kDeckDisplayName,
             DeckMonitorConfiguration::rekordbox().bundleIdentifier}});
    g_display = cuevox::e2e::startDeckDisplay(*g_platform, 120s,
                                              {"--browser", g_browserRows, "--decks", g_decks});
    if (!g_display) {
        return false;
    }
    const struct {
        int deck;
        const char* command;
    } commands[] = {
        {1, "load 1 194966882"}, {2, "load 2 53162010"}, {3, "load 3 191874777"},
        {4, "load 4 137820672"}, {1, "play 1"},          {3, "play 3"},
    };
    for (const auto& [deck, command] : commands) {
        if (deck <= std::stoi(g_decks) && g_display->request(command, 5s) != "ok") {
            return false;
        }
    }
    return displayWindow() != nullptr;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    int monitorSeconds = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--browser") == 0) {
            g_browserRows = argv[i + 1];
        } else if (std::strcmp(argv[i], "--decks") == 0) {
            g_decks = argv[i + 1];
        } else if (std::strcmp(argv[i], "--monitor-seconds") == 0) {
            monitorSeconds = std::atoi(argv[i + 1]);
        }
    }
    if (!startDisplay()) {
        std::fprintf(stderr, "cuevox-bench-atspi: the deck display did not appear on the "
                             "accessibility bus (run it through bench/run-atspi)\n");
        return 1;
    }
    std::printf("deck display: --browser %s --decks %s\n", g_browserRows.c_str(), g_decks.c_str());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (monitorSeconds > 0) {
        measureMonitoring(monitorSeconds);
    }
    g_display.reset();
    return 0;
}
