#include "decks/AccessibilityDeckMonitor.hpp"

#include "FakeAccessibilityPlatform.hpp"
#include "VirtualClock.hpp"
#include "decks/AccessibilityPlaybackHeuristic.hpp"
#include "decks/EventQueue.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cuevox::decks {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;
using Fake = tests::FakeAccessibilityPlatform;
using SteadyClock = std::chrono::steady_clock;

const std::string kBundle = "com.pioneerdj.rekordboxdj";

TEST(AccessibilityPlaybackHeuristic, ComparesWindowsIncludingTheirLengths) {
    const Texts before{"T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y", "z"};
    // clang-format off
    struct { Texts after; std::size_t beforeStart, afterStart, size; bool playing; } cases[] = {
        {before, 4, 4, 4, false},
        {{"T", "A", "128.00", "8A", "0:11", "-3:20", "x", "y", "z"}, 4, 4, 4, true},
        {{"T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y", "Z"}, 4, 4, 4, false},
        {{"q", "T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y"}, 4, 5, 4, false},
        {{"T", "A", "128.00", "8A", "0:10", "-3:20"}, 4, 4, 4, true},
        {{"T"}, 9, 4, 4, false},
        {before, 9, 8, 4, true},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        EXPECT_EQ(AccessibilityPlaybackHeuristic::isLikelyPlaying(before, c.after, c.beforeStart,
                                                                  c.afterStart, c.size),
                  c.playing);
    }
}

TEST(EventQueue, DeliversInOrderNotifiesEachAndEndsWaitsOnStopDeadlineAndClose) {
    EventQueue<int> queue;
    queue.push(1);
    queue.push(2);
    EXPECT_EQ(queue.tryPop(), 1);
    EXPECT_EQ(queue.waitPop({}), 2);
    EXPECT_EQ(queue.tryPop(), std::nullopt);
    EXPECT_EQ(queue.waitPop({}, SteadyClock::now()), std::nullopt);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(queue.waitPop(stop.get_token()), std::nullopt);
    queue.push(3);
    queue.close();
    EXPECT_EQ(queue.waitPop({}), 3) << "waiting elements survive closing";
    EXPECT_EQ(queue.waitPop({}), std::nullopt);
    queue.push(4);
    EXPECT_EQ(queue.size(), 0U) << "closed queues take no more";
    // A notifier is told once per element, those already waiting included.
    EventQueue<int> notifying;
    notifying.push(1);
    notifying.push(2);
    std::vector<int> seen;
    notifying.setNotifier([&] { seen.push_back(*notifying.tryPop()); });
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    notifying.push(3);
    notifying.setNotifier({});
    notifying.push(4);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
}

std::shared_ptr<Fake> screen(Fake::ProcessID pid, const Texts& texts, bool trusted = true) {
    auto platform = std::make_shared<Fake>();
    platform->setRunningApplications({{kBundle, pid}});
    platform->addWindow(pid, texts);
    platform->setTrusted(trusted);
    return platform;
}

const DeckMonitorConfiguration kFast{kBundle, 0.001, 0.001, 0.001};

TEST(AccessibilityDeckMonitor, PublishesRestartBeforeTheStatesOfThatPoll) {
    const Texts texts{"T", "A", "128.00", "8A", "Not Loaded.", "U", "B", "120.00", "1A"};
    const auto platform = screen(100, texts);
    AccessibilityDeckMonitor monitor(kFast, platform);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> events;
    const auto record = [&](const char* event) {
        return [&, event] {
            std::lock_guard lock(mutex);
            events.push_back(event);
            changed.notify_all();
        };
    };
    monitor.rekordboxDidRestart()->setNotifier(record("restart"));
    monitor.deckStateUpdates()->setNotifier(record("state"));
    const auto waitFor = [&](std::size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return events.size() >= count; });
    };
    ASSERT_TRUE(waitFor(2));
    platform->addWindow(101, texts);
    platform->setRunningApplications({{kBundle, 101}});
    ASSERT_TRUE(waitFor(5));
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(events, (Texts{"state", "state", "restart", "state", "state"}));
    }
    EXPECT_EQ(monitor.deckStateUpdates()->tryPop()->track->id, "A::T");
    EXPECT_EQ(monitor.deckStateUpdates()->tryPop()->deck, DeckIdentifier::deck3);
}

TEST(AccessibilityDeckMonitor, SleepsThePollOrIdleIntervalAfterEachPollAsThePermissionSays) {
    for (const bool trusted : {true, false}) {
        SCOPED_TRACE(trusted);
        // No deck on screen, so no sleep between samples.
        const auto platform = screen(100, {"rekordbox"}, trusted);
        auto clock = std::make_shared<tests::VirtualClock>();
        std::atomic<int> sleeps = 0;
        clock->onSleep = [&] {
            ++sleeps;
            std::this_thread::yield();
        };
        {
            AccessibilityDeckMonitor monitor({kBundle, 0.25, 0.18, 3.0}, platform, clock);
            while (sleeps < 3) {
                std::this_thread::yield();
            }
        }
        for (const auto duration : clock->sleeps()) {
            EXPECT_EQ(duration, trusted ? 250ms : 3s);
        }
        // The permission the poll checks is the platform's, and so is the request for it.
        EXPECT_EQ(AccessibilityDeckMonitor::hasAccessibilityPermission(*platform), trusted);
        AccessibilityDeckMonitor::requestAccessibilityPermission(*platform);
        EXPECT_EQ(platform->callCounts().trustRequests, 1U);
    }
}

TEST(AccessibilityDeckMonitor, DestructionEndsTheSleepsAndWakesAWaitingConsumer) {
    // An hour of sleep each: the test ends only if the stop reaches the sleep.
    for (const DeckMonitorConfiguration& configuration :
         {DeckMonitorConfiguration{kBundle, 3600, 0, 3600}, {kBundle, 0, 3600, 0}}) {
        const auto platform = screen(100, {"T", "A", "128.00", "8A"});
        auto monitor = std::make_unique<AccessibilityDeckMonitor>(configuration, platform);
        const auto restarts = monitor->rekordboxDidRestart();
        std::jthread consumer([restarts] { EXPECT_EQ(restarts->waitPop({}), std::nullopt); });
        while (platform->callCounts().applicationLists == 0) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(50ms); // into the sleep and the wait
        monitor.reset();
    }
}

TEST(AccessibilityDeckMonitor, AStalledReadEndsThePollAndNothingIsReadAfterIt) {
    // rekordbox freezes after its first poll: a value read blocks until the backend gives up
    // (when the test says so) and reports it not answering. Later polls read their window list
    // and no more; any other read would cost the backend's timeout once again.
    std::mutex mutex;
    std::condition_variable changed;
    bool stalled = false;
    bool givenUp = false;
    int walkReadsAfter = 0;
    const auto platform = screen(100, {"T", "A", "128.00", "8A", "0:10", "-3:20"});
    auto monitor = std::make_unique<AccessibilityDeckMonitor>(kFast, platform);
    ASSERT_TRUE(monitor->deckStateUpdates()->waitPop({}, SteadyClock::now() + 10s));
    platform->setReadHook([&](std::string_view attribute) {
        std::unique_lock lock(mutex);
        if (givenUp) {
            walkReadsAfter += attribute != "AXWindows";
        } else if (attribute == "AXValue") {
            stalled = true;
            changed.notify_all();
            changed.wait(lock, [&] { return givenUp; });
        }
        return !givenUp;
    });
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, 10s, [&] { return stalled; }));
    std::jthread closing([&] { monitor.reset(); });
    givenUp = true;
    lock.unlock();
    changed.notify_all();
    closing.join();
    EXPECT_EQ(walkReadsAfter, 0);
}

TEST(AccessibilityDeckMonitor, EventsWakeItBetweenPollsAndAFloodHoldsNothingUp) {
    // Polls an hour apart: only the events can explain what is published.
    auto platform = std::make_shared<Fake>();
    platform->setRunningApplications({{kBundle, 100}});
    platform->setPostsEvents(true);
    const auto texts =
        platform->children(platform->addWindow(100, {"T", "A", "128.00", "8A", "0:10", "-3:20"}));
    AccessibilityDeckMonitor monitor({kBundle, 3600, 0.001, 3600}, platform);
    const auto next = [&] {
        return monitor.deckStateUpdates()->waitPop({}, SteadyClock::now() + 10s);
    };
    ASSERT_EQ(next()->track->title, "T");
    std::jthread flood([&](std::stop_token stop) {
        for (int i = 0; i < 200'000 && !stop.stop_requested(); ++i) {
            platform->post(100, Fake::Event::Kind::valueChanged, texts[4]);
        }
    });
    platform->setAttribute(texts[0], "AXValue", std::string("U"));
    platform->post(100, Fake::Event::Kind::valueChanged, texts[0]);
    std::optional<DeckState> state;
    while ((state = next()) && state->track->title != "U") {
    }
    EXPECT_TRUE(state) << "the load never arrived";
}

TEST(DeckMonitorConfiguration, IntervalsAreTruncatedToNanosecondsAndMustBeFinite) {
    EXPECT_EQ(DeckMonitorConfiguration::rekordbox(),
              (DeckMonitorConfiguration{kBundle, 0.25, 0.18, 3.0, true}));
    EXPECT_EQ(intervalNanoseconds(1.9e-9), 1ns);
    EXPECT_EQ(intervalNanoseconds(9e9), std::chrono::nanoseconds(9'000'000'000'000'000'000));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const double seconds : {-1e-12, std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), 9.3e9}) {
        SCOPED_TRACE(seconds);
        EXPECT_DEATH(intervalNanoseconds(seconds), "invalid interval");
    }
    EXPECT_DEATH(AccessibilityDeckMonitor({kBundle, 0.25, -0.18, 3.0}, std::make_shared<Fake>()),
                 "invalid interval");
}

} // namespace
} // namespace cuevox::decks
