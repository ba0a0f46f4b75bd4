#include "Commands.hpp"
#include "FiniteNumber.hpp"
#include "Output.hpp"
#include "ProbePlatform.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckProbe.hpp"
#include "text/Text.hpp"

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace cuevox::cli {
namespace {

using decks::DeckProbe;
namespace matcher = decks::AccessibilityTrackPatternMatcher;

struct ProbeOptions {
    std::string platform;
    std::string atspiApplication = "cuevox-deck-display";
    double seconds = 5;
    std::optional<std::string> output;
    bool redact = false;
};

// Titles and artists stay on the DJ's machine: a text that is no tempo, no key and not the
// empty deck's marker is sent as its length in characters.
Json shownText(const std::optional<std::string>& text, bool redact) {
    if (!text) {
        return nullptr;
    }
    if (!redact || matcher::isTempoText(*text) || matcher::isKeyText(*text) ||
        *text == matcher::kEmptyDeckMarker) {
        return *text;
    }
    std::size_t characters = 0;
    for (const char byte : *text) {
        characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }
    return characters;
}

const char* kindName(decks::AccessibilityPlatform::Event::Kind kind) {
    using Kind = decks::AccessibilityPlatform::Event::Kind;
    switch (kind) {
    case Kind::valueChanged: return "valueChanged";
    case Kind::childrenChanged: return "childrenChanged";
    case Kind::created: return "created";
    case Kind::destroyed: return "destroyed";
    }
    return "";
}

Json probeJson(const DeckProbe& probe, const ProbeOptions& options) {
    Json tree = Json::array();
    for (const DeckProbe::Element& element : probe.tree) {
        tree.push_back({{"depth", element.depth},
                        {"role", jsonOrNull(element.role)},
                        {"value", shownText(element.value, options.redact)},
                        {"children", jsonOrNull(element.childCount)},
                        {"browser", element.inBrowser}});
    }
    Json events = Json::array();
    for (const DeckProbe::Event& event : probe.events) {
        events.push_back({{"at", event.at},
                          {"type", kindName(event.kind)},
                          {"element", jsonOrNull(event.element)}});
    }
    Json decks = Json::array();
    for (const DeckProbe::Deck& deck : probe.decks) {
        decks.push_back({{"deck", static_cast<int>(deck.deck) + 1},
                         {"state", deck.loaded ? "loaded" : "empty"},
                         {"block", deck.block},
                         {"following", deck.following}});
    }
    return Json{{"platform", options.platform},
                {"bundleIdentifier", decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier},
                {"processIdentifier", jsonOrNull(probe.processIdentifier)},
                {"redacted", options.redact},
                {"seconds", options.seconds},
                {"eventsSubscribed", probe.subscribed},
                {"tree", std::move(tree)},
                {"events", std::move(events)},
                {"eventsNotListed", probe.eventsNotKept},
                {"decks", std::move(decks)},
                {"browserTexts", probe.browserTexts}};
}

void runProbe(const ProbeOptions& options, CommandContext& context) {
    context.exitCode = 1;
    const auto platform = makeProbePlatform(options.platform, options.atspiApplication);
    decks::SystemMonitorClock clock;
    const DeckProbe probe =
        DeckProbe::run(*platform, decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier,
                       std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::duration<double>(options.seconds)),
                       clock);
    if (!probe.trusted) {
        printError("no accessibility access: allow cuevox-cli (or its terminal) to control the "
                   "computer in the system's accessibility settings");
        return;
    }
    if (!probe.processIdentifier) {
        printError("rekordbox is not running: start it, load a track, and probe again");
        return;
    }
    const Json document = probeJson(probe, options);
    if (!options.output) {
        printJson(document);
    } else {
        std::ofstream file(*options.output, std::ios::binary | std::ios::trunc);
        file << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        if (!file.flush()) {
            printError("cannot write " + text::escapeForMessage(*options.output));
            return;
        }
    }
    context.exitCode = 0;
}

} // namespace

void addProbeCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ProbeOptions>();
    const std::vector<std::string> platforms = probePlatformNames();
    CLI::App* command = app.add_subcommand(
        "probe", "Record rekordbox's window for the developers: its accessibility tree (role, "
                 "value, depth, child count), the changes it reports while watched, and which "
                 "texts the deck finder takes for which deck. One JSON document");
    CLI::Option* platform =
        command
            ->add_option("--platform", options->platform,
                         "How rekordbox's window is read: macos, or atspi (an AT-SPI application "
                         "standing in for rekordbox)")
            ->check(CLI::IsMember({"macos", "atspi"}));
    if (!platforms.empty()) {
        options->platform = platforms.front();
        platform->capture_default_str();
    }
    command
        ->add_option("--atspi-application", options->atspiApplication,
                     "With --platform atspi: the accessible name of the application to read as "
                     "rekordbox")
        ->capture_default_str();
    command->add_option("--seconds", options->seconds, "How long to record its changes")
        ->type_name("N")
        ->check(finiteNumber("of seconds from 0 to 600",
                             [](double seconds) { return seconds >= 0 && seconds <= 600; }))
        ->capture_default_str();
    command->add_option("--output", options->output, "Write the document to FILE, not stdout")
        ->type_name("FILE");
    command->add_flag("--redact", options->redact,
                      "Replace every text but tempos, keys and \"Not Loaded.\" by its length, "
                      "so that no title or artist leaves the machine");
    command->callback([options, platforms, &context] {
        if (std::ranges::find(platforms, options->platform) == platforms.end()) {
            throw CLI::ValidationError(
                "--platform",
                "this build cannot read " +
                    (options->platform.empty() ? std::string("any platform") : options->platform));
        }
        runProbe(*options, context);
    });
}

} // namespace cuevox::cli
