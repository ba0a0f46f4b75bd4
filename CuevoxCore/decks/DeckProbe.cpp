#include "decks/DeckProbe.hpp"

#include "decks/DeckLayout.hpp"
#include "decks/DeckPoller.hpp"
#include "decks/WindowWalk.hpp"

#include <algorithm>
#include <mutex>

namespace cuevox::decks {
namespace {

using Handle = AccessibilityPlatform::Element;

// Events as they come, on the backend's thread.
struct Recorder {
    std::mutex mutex;
    std::vector<std::pair<DeckProbe::Event, Handle>> events;
    std::size_t notKept = 0;
};

} // namespace

DeckProbe DeckProbe::run(AccessibilityPlatform& platform, const std::string& bundleIdentifier,
                         std::chrono::nanoseconds watch, MonitorClock& clock,
                         std::stop_token stop) {
    DeckProbe probe;
    probe.trusted = platform.isProcessTrusted();
    if (!probe.trusted) {
        return probe;
    }
    const auto applications = platform.runningApplications();
    const auto found = std::ranges::find_if(applications, [&](const auto& application) {
        return application.bundleIdentifier == bundleIdentifier;
    });
    if (found == applications.end()) {
        return probe;
    }
    probe.processIdentifier = found->processIdentifier;
    const Handle application = platform.applicationElement(found->processIdentifier);
    if (!application) {
        return probe;
    }

    const auto start = clock.now();
    auto recorder = std::make_shared<Recorder>();
    auto subscription = platform.subscribe(
        found->processIdentifier, application, [recorder, start, &clock](auto event) {
            const double at = std::chrono::duration<double>(clock.now() - start).count();
            std::lock_guard lock(recorder->mutex);
            if (recorder->events.size() < kMaxEvents) {
                recorder->events.emplace_back(Event{at, event.kind, std::nullopt},
                                              std::move(event.element));
            } else {
                ++recorder->notKept;
            }
        });
    probe.subscribed = subscription != nullptr;

    const WalkLimits limits{stop, nullptr, {}};
    GuardedReader reader(platform, limits);
    std::optional<WindowWalk> walk;
    if (const auto windows = reader.elements(application, "AXWindows");
        windows && !windows->empty()) {
        walk = WindowWalk::of(reader, windows->front(), DeckPoller::kMaxWalkDepth,
                              {.enterBrowsers = true, .readEveryValue = true});
    }
    clock.sleepFor(watch, stop);
    subscription.reset();
    if (!walk) {
        return probe;
    }

    const auto indexOf = [&](const Handle& element) -> std::optional<std::size_t> {
        for (std::size_t index = 0; element && index < walk->elements.size(); ++index) {
            if (platform.sameElement(walk->elements[index].element, element)) {
                return index;
            }
        }
        return std::nullopt;
    };
    for (const WindowWalk::Visited& visited : walk->elements) {
        probe.tree.push_back(
            {visited.depth, visited.role, visited.value, visited.childCount, visited.inBrowser});
        const std::size_t index = probe.tree.size() - 1;
        if (visited.inBrowser && visited.role == "AXStaticText" && visited.value) {
            probe.browserTexts.push_back(index);
        }
    }
    DeckLayout::Places places;
    const DeckLayout layout = DeckLayout::fromWalk(*walk, places, platform);
    for (const DeckLayout::Deck& deck : layout.decks()) {
        Deck found{deck.deck, deck.slot.isLoaded(), {}, {}};
        for (const Handle& element : deck.blockElements) {
            found.block.push_back(*indexOf(element));
        }
        for (const Handle& element : deck.followingElements) {
            found.following.push_back(*indexOf(element));
        }
        probe.decks.push_back(std::move(found));
    }
    std::lock_guard lock(recorder->mutex);
    for (auto& [event, element] : recorder->events) {
        event.element = indexOf(element);
        probe.events.push_back(event);
    }
    probe.eventsNotKept = recorder->notKept;
    return probe;
}

} // namespace cuevox::decks
