#include "decks/MonitorEvents.hpp"

#include "support/FakeDeckMonitor.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using namespace std::chrono_literals;
using tests::shownOnDeck;

// "deck N" or "restart at T" per element the stream holds, in order.
std::vector<std::string> drain(const MonitorEvents& events) {
    std::vector<std::string> seen;
    while (std::optional<MonitorEvent> event = events.queue().tryPop()) {
        const auto* state = std::get_if<DeckState>(&*event);
        seen.push_back(
            state
                ? "deck " + std::to_string(static_cast<int>(state->deck) + 1)
                : "restart at " +
                      std::to_string(std::get<StampedRestart>(*event).at.time_since_epoch() / 1s));
    }
    return seen;
}

TEST(MonitorEventsTest, MergesInTheOrderPublishedAndLetsGoWhenDestroyed) {
    tests::FakeDeckMonitor monitor;
    monitor.states->push(shownOnDeck(DeckIdentifier::deck2, std::nullopt, false));
    auto events = std::make_unique<MonitorEvents>(
        monitor, [] { return std::chrono::system_clock::time_point(7s); });
    monitor.restarts->push({});
    monitor.states->push(shownOnDeck(DeckIdentifier::deck3, std::nullopt, false));
    monitor.restarts->push({});
    EXPECT_EQ(drain(*events),
              (std::vector<std::string>{"deck 2", "restart at 7", "deck 3", "restart at 7"}))
        << "a state queued before the stream existed comes first";

    events.reset();
    monitor.states->push(shownOnDeck(DeckIdentifier::deck1, std::nullopt, false));
    monitor.restarts->push({});
    EXPECT_EQ(monitor.states->size(), 1U) << "left where it was pushed";
    EXPECT_EQ(monitor.restarts->size(), 1U);
}

} // namespace
} // namespace cuevox::decks
