#include "Collection.hpp"
#include "Commands.hpp"
#include "FiniteNumber.hpp"
#include "JsonInput.hpp"
#include "ListModeOptions.hpp"
#include "MonitorOutput.hpp"
#include "MonitorReport.hpp"
#include "MonitorTimeline.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "ScaledMonitorClock.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/MonitorEvents.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/SimulatedRekordbox.hpp"
#include "text/Text.hpp"

#include <atomic>
#include <chrono>
#include <csignal>
#include <functional>
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
    tracklist::ListModes modes;
    bool openKey = false;
    bool json = false;
};

// Only a lock-free flag may be touched from a signal handler.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    g_interrupted.store(true);
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

// The script's timeline, or the demo's over this collection; nothing after an error printed.
std::optional<MonitorTimeline> timelineFor(const MonitorOptions& options,
                                           const tracklist::PreparedLibrary& library) {
    const std::vector<Track>& tracks = library.tracks();
    if (!options.script) {
        auto demo =
            demoTimeline(tracks, library.deckIndex(),
                         recommendation::RecommendationService(monitorRecommendationSettings()));
        if (!demo) {
            printError(text::escapeForMessage(options.file) +
                       ": the demo needs two tracks with a title and a tempo");
        }
        return demo;
    }
    const auto script = readJsonInput(*options.script);
    if (!script) {
        printError(script.error());
        return std::nullopt;
    }
    auto parsed = timelineFromScript(*script, inputName(*options.script), tracks,
                                     text::escapeForMessage(options.file));
    if (!parsed) {
        printError(parsed.error());
        return std::nullopt;
    }
    return std::move(*parsed);
}

// Plays `timeline` on a simulated rekordbox under a real deck monitor that reads keys in
// `keyNotation`, and hands each event the monitor publishes to `take` until `seconds` of
// simulated time or an interrupt.
void play(const MonitorTimeline& timeline, double seconds, metadata::KeyNotationOptions keyNotation,
          const std::shared_ptr<ScaledMonitorClock>& clock, const MonitorReport& report,
          const std::function<void(const decks::MonitorEvent&)>& take) {
    auto rekordbox = std::make_shared<simulation::SimulatedRekordbox>(
        [clock] { return clock->elapsedSeconds(); });
    rekordbox->schedule(timeline.events);
    decks::DeckMonitorConfiguration configuration = decks::DeckMonitorConfiguration::rekordbox();
    configuration.keyNotation = keyNotation;
    decks::AccessibilityDeckMonitor monitor(configuration, rekordbox, clock);
    const decks::MonitorEvents published(monitor, [clock] { return clock->now(); });
    // An element is queued before the monitor sleeps past its time, so once the clock is past
    // the end, everything up to the end is in the queue.
    bool ended = false;
    while (!ended && !g_interrupted.load()) {
        // Short waits, so that an interrupt is noticed soon.
        const std::optional<decks::MonitorEvent> next = published.queue().waitPop(
            {}, std::chrono::steady_clock::now() + std::chrono::milliseconds(50));
        if (next) {
            ended = report.timeOf(*next) > seconds;
            if (!ended) {
                take(*next);
            }
        } else {
            ended = clock->elapsedSeconds() > seconds && published.queue().size() == 0;
        }
    }
    // The stream lets go of the monitor first, whose destructor then stops and joins its thread.
}

void runMonitor(const MonitorOptions& options, CommandContext& context) {
    context.exitCode = 1;
    const InterruptGuard interrupts;
    auto collection = loadCollection(options.file, libraryReadOptions(options.openKey));
    if (!collection) {
        return;
    }
    const tracklist::PreparedLibrary library(std::move(collection->tracks), collection->playlists,
                                             std::move(collection->playlistNodes));
    if (!hasChosenPlaylist(library, options.modes, options.file)) {
        return;
    }
    const std::optional<MonitorTimeline> timeline = timelineFor(options, library);
    if (!timeline) {
        return;
    }
    auto clock = std::make_shared<ScaledMonitorClock>(options.speed);
    MonitorReport report(library, options.modes, *clock);
    const bool tempoMode = options.modes.tempoMode();
    Json events = Json::array();
    play(*timeline, options.seconds.value_or(timeline->length),
         libraryReadOptions(options.openKey).keyNotation, clock, report,
         [&](const decks::MonitorEvent& published) {
             for (const ReportEvent& event : report.handle(published)) {
                 if (options.json) {
                     events.push_back(toJson(event, tempoMode));
                 } else {
                     printText(event, tempoMode);
                 }
             }
         });
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
        "and print every deck change and restart as it happens, and the next 5 tracks whenever "
        "the source deck changes. The next tracks are the top 5 recommendations while every list "
        "option is off; with any list option on, the top 5 of the track list, aimed at the tempo "
        "the source deck shows and the tracks played. Ends after --seconds or on Ctrl-C");
    command->add_option("FILE", options->file, "The exported collection XML file")->required();
    CLI::Option* demo =
        command->add_flag("--demo", options->demo,
                          "Play the built-in set: two decks trading tracks, a pause, an eject, a "
                          "promo not in the collection and a restart of rekordbox");
    CLI::Option* script = command->add_option(
        "--simulate", options->script,
        "Play the timeline of SCRIPT, a JSON array of events {\"at\": seconds, \"action\": "
        "load|play|pause|eject|quit|launch|restart|revokeAccess|grantAccess, \"deck\": 1-4 (for "
        "load, play, pause, eject), \"id\": TrackID (load; with \"bpm\", the tempo the deck shows, "
        "pitch applied) or "
        "\"title\", \"artist\", \"bpm\", \"key\" (load of a track not in the collection)}");
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
    addListModeOptions(*command, options->modes);
    addOpenKeyFlag(*command, options->openKey);
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
