// What a DJ waits for: from a change on the deck display (a load, a play, a pause) to the new
// list in the window's state object, over a real accessibility bus: the deck display, the
// AT-SPI backend, the deck monitor at its rekordbox intervals and the state object on a Qt
// event loop. Run inside tests/e2e/with-accessibility-session (bench/run-deck-latency does).
// Options: --browser N (rows below the decks), --decks 2|4, --changes N, --events on|off,
// --flood RATE (the display changes a label RATE times a second for the first 10 s). The source
// builds against this tree and against an older one, so that both monitors are measured by the
// same harness.
#include "DeckDisplayProcess.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "linux/AtspiAccessibilityPlatform.hpp"
#include "state/RecommendationViewModel.hpp"

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using cuevox::decks::DeckIdentifier;
using cuevox::state::RecommendationViewModel;
using Clock = std::chrono::steady_clock;

struct Change {
    std::string command;
    DeckIdentifier deck;
    // The collection track the deck then shows, and whether it plays.
    std::string trackID;
    bool playing;
};

// Two decks trading tracks as in a set: every change a load, a play or a pause.
std::vector<Change> aSet(std::size_t count) {
    const char* const ids[] = {"194966882", "53162010", "191874777", "137820672",
                               "72279392",  "60101699", "23595196"};
    std::vector<Change> changes;
    for (int turn = 0; changes.size() < count; ++turn) {
        const int deck = turn % 2 + 1;
        const std::string id = ids[turn % std::size(ids)];
        const auto identifier = static_cast<DeckIdentifier>(deck - 1);
        const std::string n = std::to_string(deck);
        changes.push_back({"load " + n + " " + id, identifier, id, false});
        changes.push_back({"play " + n, identifier, id, true});
        if (turn > 0) {
            // The other deck's track ends.
            const int other = 3 - deck;
            const std::string previous = ids[(turn - 1) % std::size(ids)];
            changes.push_back({"pause " + std::to_string(other),
                               static_cast<DeckIdentifier>(other - 1), previous, false});
        }
    }
    changes.resize(count);
    return changes;
}

// The deck rows and the list's signal by the names of either tree.
template <typename Model>
const auto& deckRows(const Model& model) {
    if constexpr (requires { model.decks(); }) {
        return model.decks().rows;
    } else {
        return model.activeDeckDisplays();
    }
}
template <typename Model>
auto listRecomputedSignal() {
    if constexpr (requires { &Model::listRecomputed; }) {
        return &Model::listRecomputed;
    } else {
        return &Model::filteredTracksRecomputed;
    }
}

bool shows(const RecommendationViewModel& model, const Change& change) {
    const auto& rows = deckRows(model);
    return std::ranges::any_of(rows, [&](const cuevox::decks::DeckDisplayInfo& row) {
        return row.deck == change.deck && row.track && row.track->id == change.trackID &&
               row.isPlaying == change.playing;
    });
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

// This process's resident memory in MB (VmRSS of /proc/self/status).
double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024;
        }
    }
    return 0;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const double rank = p * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(rank);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (rank - static_cast<double>(below)) * (values[above] - values[below]);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::string browser = "0";
    std::string decks = "2";
    std::size_t count = 40;
    bool events = true;
    int flood = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--browser") {
            browser = value;
        } else if (option == "--decks") {
            decks = value;
        } else if (option == "--changes") {
            count = std::stoul(value);
        } else if (option == "--events") {
            events = value == "on";
        } else if (option == "--flood") {
            flood = std::stoi(value);
        }
    }
    auto configuration = cuevox::decks::DeckMonitorConfiguration::rekordbox();
    if (!setEvents(configuration, events)) {
        std::fprintf(stderr, "cuevox-bench-deck-latency: this monitor has no events\n");
        return 1;
    }
    auto platform = std::make_shared<cuevox::platform::AtspiAccessibilityPlatform>(
        cuevox::platform::AtspiAccessibilityPlatform::BundleIdentifiers{
            {cuevox::platform::AtspiAccessibilityPlatform::kDeckDisplayName,
             configuration.bundleIdentifier}});
    const auto display =
        cuevox::e2e::startDeckDisplay(*platform, 120s, {"--browser", browser, "--decks", decks});
    if (!display) {
        std::fprintf(stderr, "cuevox-bench-deck-latency: the deck display did not appear on the "
                             "accessibility bus (run it through bench/run-deck-latency)\n");
        return 1;
    }

    QTemporaryDir directory;
    QSettings settings(directory.filePath("settings.ini"), QSettings::IniFormat);
    RecommendationViewModel model(
        std::make_unique<cuevox::decks::AccessibilityDeckMonitor>(configuration, platform),
        [] { return true; }, &settings);
    QSignalSpy loaded(&model, &RecommendationViewModel::libraryLoadFinished);
    model.loadLibrary(CUEVOX_SOURCE_DIR "/data/demo-collection.xml");
    if (!loaded.wait(30000) || model.libraryTrackCount() == 0) {
        std::fprintf(stderr, "cuevox-bench-deck-latency: the demo collection did not load\n");
        return 1;
    }

    std::optional<Change> awaited;
    std::optional<Clock::time_point> listedAt;
    QObject::connect(&model, listRecomputedSignal<RecommendationViewModel>(), [&] {
        if (awaited && !listedAt && shows(model, *awaited)) {
            listedAt = Clock::now();
        }
    });

    // Changes come at any moment of the poll cycle, as a DJ's do.
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> pause(0, 400);
    std::vector<double> latencies;
    std::map<std::string, std::vector<double>> byKind;
    std::vector<double> resident{residentMegabytes()};
    const Clock::time_point start = Clock::now();
    if (flood > 0 && display->request("flood " + std::to_string(flood) + " 10", 5s) != "ok") {
        std::fprintf(stderr, "cuevox-bench-deck-latency: the display cannot flood\n");
        return 1;
    }
    for (const Change& change : aSet(count)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        awaited = change;
        listedAt.reset();
        if (display->request(change.command, 5s) != "ok") {
            std::fprintf(stderr, "cuevox-bench-deck-latency: the display refused %s\n",
                         change.command.c_str());
            return 1;
        }
        // The display answers once its labels show the change.
        const Clock::time_point shownAt = Clock::now();
        while (!listedAt && Clock::now() - shownAt < 5s) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        if (!listedAt) {
            std::fprintf(stderr, "cuevox-bench-deck-latency: %s never reached the list\n",
                         change.command.c_str());
            return 1;
        }
        const double milliseconds =
            std::chrono::duration<double, std::milli>(*listedAt - shownAt).count();
        latencies.push_back(milliseconds);
        byKind[change.command.substr(0, change.command.find(' '))].push_back(milliseconds);
        if (Clock::now() - start < 12s) {
            resident.push_back(residentMegabytes());
        }
        std::printf("%-22s %7.1f ms\n", change.command.c_str(), milliseconds);
    }
    std::printf("\n--browser %s --decks %s, events %s%s\n", browser.c_str(), decks.c_str(),
                events ? "on" : "off",
                flood > 0 ? (", flood of " + std::to_string(flood) + " a second for 10 s").c_str()
                          : "");
    for (const auto& [kind, values] : byKind) {
        std::printf("%-6s %2zu changes: median %4.0f ms, 95th percentile %4.0f ms, max %4.0f ms\n",
                    kind.c_str(), values.size(), percentile(values, 0.5), percentile(values, 0.95),
                    percentile(values, 1));
    }
    if (flood > 0) {
        std::printf("resident memory during the flood: %.1f to %.1f MB over %zu samples\n",
                    *std::ranges::min_element(resident), *std::ranges::max_element(resident),
                    resident.size());
    }
    std::printf("\ndeck change to new list, %zu changes: median %.0f ms, 95th percentile %.0f ms, "
                "min %.0f ms, max %.0f ms\n(poll interval %.0f ms, playback sample gap %.0f ms)\n",
                latencies.size(), percentile(latencies, 0.5), percentile(latencies, 0.95),
                percentile(latencies, 0), percentile(latencies, 1),
                configuration.pollInterval * 1000, configuration.playbackSampleGap * 1000);
    return 0;
}
