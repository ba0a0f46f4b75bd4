// What a DJ waits for: from a change on the deck display (a load, a play, a pause) to the new
// list in the window's state object, over a real accessibility bus: the deck display, the
// AT-SPI backend, the deck monitor at its rekordbox intervals and the state object on a Qt
// event loop. Run inside tests/e2e/with-accessibility-session (bench/run-deck-latency does).
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
std::vector<Change> aSet() {
    const char* const ids[] = {"194966882", "53162010", "191874777", "137820672", "72279392",
                               "60101699",  "23595196"};
    std::vector<Change> changes;
    for (int turn = 0; changes.size() < 20; ++turn) {
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
    changes.resize(20);
    return changes;
}

bool shows(const RecommendationViewModel& model, const Change& change) {
    const auto& rows = model.activeDeckDisplays();
    return std::ranges::any_of(rows, [&](const cuevox::decks::DeckDisplayInfo& row) {
        return row.deck == change.deck && row.track && row.track->id == change.trackID &&
               row.isPlaying == change.playing;
    });
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
    const auto configuration = cuevox::decks::DeckMonitorConfiguration::rekordbox();
    auto platform = std::make_shared<cuevox::platform::AtspiAccessibilityPlatform>(
        cuevox::platform::AtspiAccessibilityPlatform::BundleIdentifiers{
            {cuevox::platform::AtspiAccessibilityPlatform::kDeckDisplayName,
             configuration.bundleIdentifier}});
    const auto display = cuevox::e2e::startDeckDisplay(*platform, 15s);
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
    QObject::connect(&model, &RecommendationViewModel::filteredTracksRecomputed, [&] {
        if (awaited && !listedAt && shows(model, *awaited)) {
            listedAt = Clock::now();
        }
    });

    // Changes come at any moment of the poll cycle, as a DJ's do.
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> pause(0, 400);
    std::vector<double> latencies;
    for (const Change& change : aSet()) {
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
        std::printf("%-22s %7.1f ms\n", change.command.c_str(), milliseconds);
    }
    std::printf("\ndeck change to new list, %zu changes: median %.0f ms, 95th percentile %.0f ms, "
                "min %.0f ms, max %.0f ms\n(poll interval %.0f ms, playback sample gap %.0f ms)\n",
                latencies.size(), percentile(latencies, 0.5), percentile(latencies, 0.95),
                percentile(latencies, 0), percentile(latencies, 1),
                configuration.pollInterval * 1000, configuration.playbackSampleGap * 1000);
    return 0;
}
