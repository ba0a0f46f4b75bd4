#include "Commands.hpp"
#include "FiniteNumber.hpp"
#include "JsonInput.hpp"
#include "MonitorReport.hpp"
#include "MonitorTimeline.hpp"
#include "Output.hpp"
#include "ScaledMonitorClock.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/EventQueue.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "import/XMLLibraryReader.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/SimulatedRekordbox.hpp"
#include "text/Text.hpp"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::cli {
namespace {

using metadata::Track;

struct MonitorOptions {
    std::string file;
    std::optional<std::string> script;
    bool demo = false;
    std::optional<double> seconds;
    double speed = 1;
    bool json = false;
};

// Only a lock-free flag may be touched from a signal handler.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    g_interrupted.store(true);
}

std::string fixed(double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Ctrl-C ends the run as --seconds does, from the start of the command on.
class InterruptGuard {
public:
    InterruptGuard() : m_previous(std::signal(SIGINT, onInterrupt)) { g_interrupted.store(false); }
    ~InterruptGuard() { std::signal(SIGINT, m_previous); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    void (*m_previous)(int);
};

std::string artistAndTitle(const Json& event) {
    return event.at("artist").get<std::string>() + " \u2013 " +
           event.at("title").get<std::string>();
}

void printEvent(const Json& event) {
    std::cout << fixed(event.at("at").get<double>(), "%7.2f") << "s  ";
    const std::string type = event.at("type");
    if (type == "restart") {
        std::cout << "rekordbox restarted under a new process id: every deck is forgotten\n";
    } else if (type == "deck") {
        const std::string state = event.at("state");
        std::cout << "DECK " << event.at("deck").get<int>() << "  " << state;
        if (state != "empty") {
            std::cout << std::string(8 - state.size(), ' ') << artistAndTitle(event) << "  "
                      << (event.at("trackID").is_null()
                              ? std::string("(not in collection)")
                              : "(id " + event.at("trackID").get<std::string>() + ")");
        }
        std::cout << '\n';
    } else if (event.at("deck").is_null()) {
        std::cout << "source: none, nothing to recommend\n";
    } else {
        std::cout << "source: DECK " << event.at("deck").get<int>() << ", "
                  << artistAndTitle(event);
        const Json& recommendations = event.at("recommendations");
        if (event.at("trackID").is_null()) {
            std::cout << " is not in the collection: nothing to recommend\n";
        } else if (recommendations.empty()) {
            std::cout << ": no track fits after it\n";
        } else {
            std::cout << ", next:\n";
        }
        int rank = 0;
        for (const Json& next : recommendations) {
            std::cout << "           " << ++rank << ". " << fixed(next.at("score"), "%5.1f") << "  "
                      << artistAndTitle(next) << "  "
                      << (next.at("bpm").is_null() ? "-" : fixed(next.at("bpm"), "%.2f")) << "  "
                      << (next.at("key").is_null() ? "-" : next.at("key").get<std::string>())
                      << '\n';
        }
    }
    std::cout.flush();
}

void runMonitor(const MonitorOptions& options, CommandContext& context) {
    context.exitCode = 1;
    const InterruptGuard interrupts;
    auto loaded = import::XMLLibraryReader(options.file).loadTracks();
    if (!loaded) {
        printError(loaded.error().message());
        return;
    }
    const std::vector<Track> tracks = std::move(*loaded);

    std::optional<MonitorTimeline> timeline;
    if (options.script) {
        const auto script = readJsonInput(*options.script);
        if (!script) {
            printError(script.error());
            return;
        }
        auto parsed = timelineFromScript(*script, inputName(*options.script), tracks,
                                         text::escapeForMessage(options.file));
        if (!parsed) {
            printError(parsed.error());
            return;
        }
        timeline = std::move(*parsed);
    } else {
        const decks::LibraryTrackIndex index(tracks);
        timeline = demoTimeline(
            tracks, index, recommendation::RecommendationService(monitorRecommendationSettings()));
        if (!timeline) {
            printError(text::escapeForMessage(options.file) +
                       ": the demo needs two tracks with a title and a tempo");
            return;
        }
    }
    const double seconds = options.seconds.value_or(timeline->length);

    auto clock = std::make_shared<ScaledMonitorClock>(options.speed);
    auto rekordbox = std::make_shared<simulation::SimulatedRekordbox>(
        [clock] { return clock->elapsedSeconds(); });
    rekordbox->schedule(timeline->events);

    MonitorReport report(tracks, *clock);
    Json events = Json::array();
    const auto emit = [&](const MonitorEvent& published) {
        for (Json& event : report.handle(published)) {
            if (options.json) {
                events.push_back(std::move(event));
            } else {
                printEvent(event);
            }
        }
    };
    {
        // One queue in publication order: each notifier runs on the polling thread right
        // after its element is queued, and a restart is queued before that poll's states.
        auto published = std::make_shared<decks::EventQueue<MonitorEvent>>();
        decks::AccessibilityDeckMonitor monitor(decks::DeckMonitorConfiguration::rekordbox(),
                                                rekordbox, clock);
        monitor.rekordboxDidRestart()->setNotifier(
            [published, clock, queue = monitor.rekordboxDidRestart().get()] {
                if (queue->tryPop()) {
                    published->push(TimedRestart{clock->elapsedSeconds()});
                }
            });
        monitor.deckStateUpdates()->setNotifier(
            [published, queue = monitor.deckStateUpdates().get()] {
                if (auto state = queue->tryPop()) {
                    published->push(std::move(*state));
                }
            });

        // An element is queued before the monitor sleeps past its time, so once the clock
        // is past the end, everything up to the end is in the queue.
        bool ended = false;
        while (!ended && !g_interrupted.load()) {
            // Short waits, so that an interrupt is noticed soon.
            const std::optional<MonitorEvent> next = published->waitPop(
                {}, std::chrono::steady_clock::now() + std::chrono::milliseconds(50));
            if (next) {
                ended = report.timeOf(*next) > seconds;
                if (!ended) {
                    emit(*next);
                }
            } else {
                ended = clock->elapsedSeconds() > seconds && published->size() == 0;
            }
        }
        monitor.deckStateUpdates()->setNotifier({});
        monitor.rekordboxDidRestart()->setNotifier({});
        // The monitor's destructor stops and joins its thread.
    }
    if (options.json) {
        printJson(events);
    }
    context.exitCode = 0;
}

} // namespace

void addMonitorCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<MonitorOptions>();
    CLI::App* command = app.add_subcommand(
        "monitor",
        "Run the deck monitor against a simulated rekordbox that shows tracks of the collection, "
        "and print every deck change and restart as it happens, and the top 5 recommendations "
        "whenever the source deck changes. Ends after --seconds or on Ctrl-C");
    command->add_option("FILE", options->file, "The exported collection XML file")->required();
    CLI::Option* demo =
        command->add_flag("--demo", options->demo,
                          "Play the built-in set: two decks trading tracks, a pause, an eject, a "
                          "promo not in the collection and a restart of rekordbox");
    CLI::Option* script = command->add_option(
        "--simulate", options->script,
        "Play the timeline of SCRIPT, a JSON array of events {\"at\": seconds, \"action\": "
        "load|play|pause|eject|quit|launch|restart|revokeAccess|grantAccess, \"deck\": 1-4 (for "
        "load, play, pause, eject), \"id\": TrackID (load) or \"title\", \"artist\", \"bpm\", "
        "\"key\" (load of a track not in the collection)}");
    script->type_name("SCRIPT");
    demo->excludes(script);
    script->excludes(demo);
    command
        ->add_option("--seconds", options->seconds,
                     "Stop after N seconds (default: the timeline's last event and 3 s more)")
        ->type_name("N")
        ->check(finiteNumber("of seconds above 0", [](double seconds) { return seconds > 0; }));
    // For tests: simulated time runs this many times as fast as the wall clock.
    command->add_option("--speed", options->speed)
        ->check(finiteNumber(
            "from 0.01 to 1000", [](double speed) { return speed >= 0.01 && speed <= 1000; },
            "--speed"))
        ->group("");
    command->add_flag("--json", options->json,
                      "Print one JSON document at the end: the array of events in order");
    command->callback([options, &context] {
        if (!options->demo && !options->script) {
            // On macOS this is where the real rekordbox would be watched.
            throw CLI::ValidationError("monitor",
                                       "this build reads no real rekordbox: use --demo or "
                                       "--simulate SCRIPT");
        }
        runMonitor(*options, context);
    });
}

} // namespace cuevox::cli
