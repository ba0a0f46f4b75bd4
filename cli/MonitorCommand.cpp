#include "Collection.hpp"
#include "Commands.hpp"
#include "FiniteNumber.hpp"
#include "JsonInput.hpp"
#include "ListModeOptions.hpp"
#include "MonitorReport.hpp"
#include "MonitorTimeline.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "ScaledMonitorClock.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/EventQueue.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/SimulatedRekordbox.hpp"
#include "text/Text.hpp"

#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <variant>
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

int deckNumber(decks::DeckIdentifier deck) {
    return static_cast<int>(deck) + 1;
}

std::string artistAndTitle(const Track& track) {
    return track.artist + " \u2013 " + track.title;
}

const char* stateName(const decks::DeckState& state) {
    return !state.track ? "empty" : state.isPlaying ? "playing" : "paused";
}

Json toJson(const ReportEvent& event, bool tempoMode) {
    if (const auto* deck = std::get_if<DeckEvent>(&event)) {
        const std::optional<Track>& shown = deck->state.track;
        return Json{{"at", deck->at},
                    {"type", "deck"},
                    {"deck", deckNumber(deck->state.deck)},
                    {"state", stateName(deck->state)},
                    {"title", shown ? Json(shown->title) : Json(nullptr)},
                    {"artist", shown ? Json(shown->artist) : Json(nullptr)},
                    {"bpm", shown ? jsonOrNull(shown->bpm) : Json(nullptr)},
                    {"key", shown ? jsonOrNull(shown->musicalKey) : Json(nullptr)},
                    {"trackID", jsonOrNull(deck->trackID)}};
    }
    if (const auto* restart = std::get_if<RestartEvent>(&event)) {
        return Json{{"at", restart->at}, {"type", "restart"}};
    }
    const auto& source = std::get<SourceEvent>(event);
    const std::optional<decks::DeckState>& deck = source.source;
    Json recommendations = Json::array();
    for (const auto& next : source.recommendations) {
        Json row{{"id", next.track.id},
                 {"title", next.track.title},
                 {"artist", next.track.artist},
                 {"score", next.score},
                 {"bpm", jsonOrNull(next.track.bpm)},
                 {"key",
                  next.track.camelotKey ? Json(next.track.camelotKey->toString()) : Json(nullptr)}};
        if (tempoMode) {
            row["pitch"] = next.pitch ? Json(next.pitch->percent) : Json(nullptr);
        }
        recommendations.push_back(std::move(row));
    }
    return Json{{"at", source.at},
                {"type", "source"},
                {"deck", deck ? Json(deckNumber(deck->deck)) : Json(nullptr)},
                {"trackID", jsonOrNull(source.trackID)},
                {"title", deck ? Json(deck->track->title) : Json(nullptr)},
                {"artist", deck ? Json(deck->track->artist) : Json(nullptr)},
                {"recommendations", std::move(recommendations)}};
}

void printDeck(const DeckEvent& event) {
    const std::string state = stateName(event.state);
    std::cout << "DECK " << deckNumber(event.state.deck) << "  " << state;
    if (event.state.track) {
        std::cout << std::string(8 - state.size(), ' ') << artistAndTitle(*event.state.track)
                  << "  "
                  << (event.trackID ? "(id " + *event.trackID + ")" : "(not in collection)");
    }
    std::cout << '\n';
}

void printSource(const SourceEvent& event, bool tempoMode) {
    if (!event.source) {
        std::cout << "source: none, nothing to recommend\n";
        return;
    }
    std::cout << "source: DECK " << deckNumber(event.source->deck) << ", "
              << artistAndTitle(*event.source->track);
    if (!event.trackID) {
        std::cout << " is not in the collection: nothing to recommend\n";
    } else if (event.recommendations.empty()) {
        std::cout << ": no track fits after it\n";
    } else {
        std::cout << ", next:\n";
    }
    int rank = 0;
    for (const auto& next : event.recommendations) {
        std::cout << "           " << ++rank << ". " << fixed(next.score, 1, 5) << "  "
                  << artistAndTitle(next.track) << "  " << tempoText(next.track.bpm) << "  "
                  << (tempoMode ? (next.pitch ? next.pitch->toString() : "-") + "  " : "")
                  << (next.track.camelotKey ? next.track.camelotKey->toString() : "-") << '\n';
    }
}

void printText(const ReportEvent& event, bool tempoMode) {
    std::visit([](const auto& e) { std::cout << fixed(e.at, 2, 7) << "s  "; }, event);
    if (const auto* deck = std::get_if<DeckEvent>(&event)) {
        printDeck(*deck);
    } else if (std::holds_alternative<RestartEvent>(event)) {
        std::cout << "rekordbox restarted under a new process id: every deck is forgotten\n";
    } else {
        printSource(std::get<SourceEvent>(event), tempoMode);
    }
    std::cout.flush();
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
    const std::vector<Track>& tracks = library.tracks();

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
        timeline =
            demoTimeline(tracks, library.deckIndex(),
                         recommendation::RecommendationService(monitorRecommendationSettings()));
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

    MonitorReport report(library, options.modes, *clock);
    const bool tempoMode = options.modes.tempoMode();
    Json events = Json::array();
    const auto emit = [&](const MonitorEvent& published) {
        for (const ReportEvent& event : report.handle(published)) {
            if (options.json) {
                events.push_back(toJson(event, tempoMode));
            } else {
                printText(event, tempoMode);
            }
        }
    };
    {
        // One queue in publication order: each notifier runs on the polling thread right
        // after its element is queued, and a restart is queued before that poll's states.
        auto published = std::make_shared<decks::EventQueue<MonitorEvent>>();
        decks::DeckMonitorConfiguration configuration =
            decks::DeckMonitorConfiguration::rekordbox();
        configuration.keyNotation = libraryReadOptions(options.openKey).keyNotation;
        decks::AccessibilityDeckMonitor monitor(configuration, rekordbox, clock);
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
        "whenever the source deck changes (with a list option: the top 5 of the track list, "
        "aimed at the tempo the source deck shows and the tracks played). Ends after --seconds "
        "or on Ctrl-C");
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
