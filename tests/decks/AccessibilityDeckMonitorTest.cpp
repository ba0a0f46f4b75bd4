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

TEST(AccessibilityPlaybackHeuristic, ComparesWindowsOfFourIncludingTheirLengths) {
    const Texts before{"T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y", "z"};
    const struct {
        const char* name;
        Texts after;
        std::size_t beforeStart;
        std::size_t afterStart;
        std::size_t size;
        bool playing;
    } cases[] = {
        {"same texts", before, 4, 4, 4, false},
        {"elapsed time moved",
         {"T", "A", "128.00", "8A", "0:11", "-3:20", "x", "y", "z"},
         4,
         4,
         4,
         true},
        {"change past the window",
         {"T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y", "Z"},
         4,
         4,
         4,
         false},
        {"same texts at another index",
         {"q", "T", "A", "128.00", "8A", "0:10", "-3:20", "x", "y"},
         4,
         5,
         4,
         false},
        {"after list ends inside the window",
         {"T", "A", "128.00", "8A", "0:10", "-3:20"},
         4,
         4,
         4,
         true},
        {"both windows past the end", {"T"}, 9, 4, 4, false},
        {"one window past the end", before, 9, 8, 4, true},
        {"empty window size", {}, 0, 0, 0, false},
        {"start far past the end", {}, 1000, 1000, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AccessibilityPlaybackHeuristic::isLikelyPlaying(before, c.after, c.beforeStart,
                                                                  c.afterStart, c.size),
                  c.playing);
    }
}

TEST(EventQueue, DeliversInOrderAndWakesWaitersOnStopDeadlineAndClose) {
    EventQueue<int> queue;
    queue.push(1);
    queue.push(2);
    EXPECT_EQ(queue.tryPop(), 1);
    EXPECT_EQ(queue.waitPop({}), 2);
    EXPECT_EQ(queue.tryPop(), std::nullopt);

    EXPECT_EQ(queue.waitPop({}, SteadyClock::now() + 10ms), std::nullopt);

    std::stop_source stop;
    std::jthread stopper([&] {
        std::this_thread::sleep_for(20ms);
        stop.request_stop();
    });
    EXPECT_EQ(queue.waitPop(stop.get_token()), std::nullopt);

    std::jthread closer([&] {
        std::this_thread::sleep_for(20ms);
        queue.push(3);
        queue.close();
    });
    EXPECT_EQ(queue.waitPop({}), 3) << "waiting elements survive closing";
    EXPECT_EQ(queue.waitPop({}), std::nullopt);
    queue.push(4);
    EXPECT_EQ(queue.size(), 0U) << "closed queues take no more";
}

TEST(EventQueue, NotifiesOncePerElementIncludingThoseAlreadyWaiting) {
    EventQueue<int> queue;
    queue.push(1);
    queue.push(2);
    std::vector<int> seen;
    queue.setNotifier([&] { seen.push_back(*queue.tryPop()); });
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    queue.push(3);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    queue.setNotifier({});
    queue.push(4);
    EXPECT_EQ(seen.size(), 3U);
    EXPECT_EQ(queue.tryPop(), 4);
}

TEST(EventQueue, HandsEveryElementAcrossThreadsInOrder) {
    EventQueue<int> queue;
    constexpr int kCount = 20000;
    std::jthread producer([&] {
        for (int i = 0; i < kCount; ++i) {
            queue.push(i);
        }
    });
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(queue.waitPop({}, SteadyClock::now() + 10s), i);
    }
}

struct Screen {
    std::shared_ptr<Fake> platform = std::make_shared<Fake>();
    Fake::NodeID window = 0;

    explicit Screen(Fake::ProcessID pid, const Texts& texts) {
        platform->setRunningApplications({{kBundle, pid}});
        window = platform->addWindow(pid, texts);
    }
};

DeckMonitorConfiguration fastConfiguration() {
    return {kBundle, 0.001, 0.001, 0.001};
}

TEST(AccessibilityDeckMonitor, PublishesRestartBeforeTheStatesOfThatPoll) {
    Screen screen(100, {"T", "A", "128.00", "8A", "Not Loaded.", "U", "B", "120.00", "1A"});
    AccessibilityDeckMonitor monitor(fastConfiguration(), screen.platform);

    // Notifications arrive in publication order across both streams.
    std::mutex mutex;
    std::vector<std::string> events;
    monitor.rekordboxDidRestart()->setNotifier([&] {
        std::lock_guard lock(mutex);
        events.push_back("restart");
    });
    monitor.deckStateUpdates()->setNotifier([&] {
        std::lock_guard lock(mutex);
        events.push_back("state");
    });
    const auto waitForEvents = [&](std::size_t count) {
        const auto deadline = SteadyClock::now() + 10s;
        while (SteadyClock::now() < deadline) {
            {
                std::lock_guard lock(mutex);
                if (events.size() >= count) {
                    return;
                }
            }
            std::this_thread::sleep_for(1ms);
        }
    };
    waitForEvents(2);
    screen.platform->addWindow(101,
                               {"T", "A", "128.00", "8A", "Not Loaded.", "U", "B", "120.00", "1A"});
    screen.platform->setRunningApplications({{kBundle, 101}});
    waitForEvents(5);
    std::this_thread::sleep_for(20ms); // room for anything published by mistake
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(events,
                  (std::vector<std::string>{"state", "state", "restart", "state", "state"}));
    }
    const auto first = monitor.deckStateUpdates()->tryPop();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->deck, DeckIdentifier::deck1);
    EXPECT_EQ(first->track->id, "A::T");
    const auto second = monitor.deckStateUpdates()->tryPop();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->deck, DeckIdentifier::deck3);
}

TEST(AccessibilityDeckMonitor, SleepsThePollOrIdleIntervalAfterEachPoll) {
    const struct {
        const char* name;
        bool trusted;
        std::chrono::nanoseconds expected;
    } cases[] = {{"active", true, 250ms}, {"idle", false, 3s}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // No deck on screen, so no sleep between samples.
        Screen screen(100, {"rekordbox"});
        screen.platform->setTrusted(c.trusted);
        auto clock = std::make_shared<tests::VirtualClock>();
        std::atomic<int> sleeps = 0;
        clock->onSleep = [&] {
            ++sleeps;
            std::this_thread::sleep_for(1ms);
        };
        {
            AccessibilityDeckMonitor monitor({kBundle, 0.25, 0.18, 3.0}, screen.platform, clock);
            const auto deadline = SteadyClock::now() + 10s;
            while (sleeps < 3 && SteadyClock::now() < deadline) {
                std::this_thread::sleep_for(1ms);
            }
        }
        const auto recorded = clock->sleeps();
        ASSERT_GE(recorded.size(), 3U);
        for (const auto duration : recorded) {
            EXPECT_EQ(duration, c.expected);
        }
    }
}

TEST(AccessibilityDeckMonitor, DestructionReturnsPromptlyWhileTheMonitorSleeps) {
    const struct {
        const char* name;
        bool trusted;
        DeckMonitorConfiguration configuration;
        Texts texts;
    } cases[] = {
        {"between active polls", true, {kBundle, 3600, 0, 3600}, {"T", "A", "128.00", "8A"}},
        {"between idle polls", false, {kBundle, 3600, 0, 3600}, {"T", "A", "128.00", "8A"}},
        {"between the two samples", true, {kBundle, 0, 3600, 0}, {"T", "A", "128.00", "8A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Screen screen(100, c.texts);
        screen.platform->setTrusted(c.trusted);
        auto monitor = std::make_unique<AccessibilityDeckMonitor>(c.configuration, screen.platform);
        const auto deadline = SteadyClock::now() + 10s;
        // Wait until the thread is inside its first long sleep.
        while (SteadyClock::now() < deadline && screen.platform->callCounts().trustChecks == 0) {
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(50ms);
        const auto before = SteadyClock::now();
        monitor.reset();
        EXPECT_LT(SteadyClock::now() - before, 2s);
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
    Screen screen(100, {"T", "A", "128.00", "8A", "0:10", "-3:20"});
    auto monitor = std::make_unique<AccessibilityDeckMonitor>(fastConfiguration(), screen.platform);
    ASSERT_TRUE(monitor->deckStateUpdates()->waitPop({}, SteadyClock::now() + 10s));
    screen.platform->setReadHook([&](std::string_view attribute) {
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

TEST(AccessibilityDeckMonitor, ConsumerWaitingOnAStreamWakesWhenTheMonitorGoes) {
    Screen screen(100, {"Not Loaded."});
    auto monitor = std::make_unique<AccessibilityDeckMonitor>(fastConfiguration(), screen.platform);
    const auto updates = monitor->deckStateUpdates();
    std::jthread consumer([updates] { EXPECT_EQ(updates->waitPop({}), std::nullopt); });
    std::this_thread::sleep_for(20ms);
    monitor.reset();
    consumer.join();
}

TEST(AccessibilityDeckMonitor, PermissionChecksGoToThePlatform) {
    Fake platform;
    platform.setTrusted(false);
    EXPECT_FALSE(AccessibilityDeckMonitor::hasAccessibilityPermission(platform));
    AccessibilityDeckMonitor::requestAccessibilityPermission(platform);
    platform.setTrusted(true);
    EXPECT_TRUE(AccessibilityDeckMonitor::hasAccessibilityPermission(platform));
    EXPECT_EQ(platform.callCounts().trustRequests, 1U);
    EXPECT_EQ(platform.callCounts().trustChecks, 2U);
}

TEST(DeckMonitorConfiguration, IntervalsAreTruncatedToNanosecondsAndMustBeFinite) {
    EXPECT_EQ(DeckMonitorConfiguration::rekordbox(),
              (DeckMonitorConfiguration{kBundle, 0.25, 0.18, 3.0}));
    EXPECT_EQ(intervalNanoseconds(0.18), 180'000'000ns);
    EXPECT_EQ(intervalNanoseconds(0), 0ns);
    EXPECT_EQ(intervalNanoseconds(1.9e-9), 1ns);
    EXPECT_EQ(intervalNanoseconds(9e9), std::chrono::nanoseconds(9'000'000'000'000'000'000));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const double seconds : {-1.0, -1e-12, std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), 9.3e9}) {
        SCOPED_TRACE(seconds);
        EXPECT_DEATH(intervalNanoseconds(seconds), "invalid interval");
    }
    EXPECT_DEATH(AccessibilityDeckMonitor({kBundle, 0.25, -0.18, 3.0}, std::make_shared<Fake>()),
                 "invalid interval");
}

} // namespace
} // namespace cuevox::decks
