#include "simulation/SimulatedRekordbox.hpp"

#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace cuevox::simulation {
namespace {

namespace Matcher = decks::AccessibilityTrackPatternMatcher;
using Texts = std::vector<std::string>;
using A = SimulationAction;

SimulatedTrack track(std::string title, double duration = 300) {
    return {std::move(title), "Artist", "128.00", "8A", duration};
}

struct Rig {
    double time = 0;
    SimulatedRekordbox rekordbox{[this] { return time; }};
};

// The per-deck view that the deck display draws must be exactly what the window walk reads.
TEST(SimulatedRekordbox, DeckTextsAndPlayingFlagsAgreeWithTheWindow) {
    Rig rig;
    EXPECT_EQ(Matcher::extractDeckSlots(rig.rekordbox.windowTexts()),
              std::vector(4, Matcher::DeckSlotState::empty()))
        << "four empty decks that the matcher recognises";
    EXPECT_EQ(rig.rekordbox.processIdentifier(), SimulatedRekordbox::kFirstPID);
    rig.rekordbox.schedule({
        {0, A::load, 1, track("One")},
        {0, A::load, 3, track("Three", 10)},
        {1, A::play, 3, {}},
        {4, A::eject, 1, {}},
        {20, A::quit, 0, {}},
    });
    const struct {
        double time;
        std::vector<bool> playing;
    } steps[] = {{0.5, {false, false, false, false}}, {5.5, {false, false, true, false}}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.time);
        rig.time = step.time;
        Texts window{"rekordbox"};
        for (int deck = 1; deck <= 4; ++deck) {
            const Texts texts = rig.rekordbox.deckTexts(deck);
            window.insert(window.end(), texts.begin(), texts.end());
            EXPECT_EQ(rig.rekordbox.isPlaying(deck), step.playing[deck - 1]) << deck;
        }
        window.insert(window.end(), {"Collection", "Playlists"});
        EXPECT_EQ(rig.rekordbox.windowTexts(), window);
    }
    rig.time = 11.5;
    EXPECT_FALSE(rig.rekordbox.isPlaying(3)) << "stopped at the end of the track";
    for (const int deck : {0, 5}) {
        EXPECT_TRUE(rig.rekordbox.deckTexts(deck).empty()) << deck;
        EXPECT_FALSE(rig.rekordbox.isPlaying(deck)) << deck;
    }
    rig.time = 21;
    EXPECT_TRUE(rig.rekordbox.deckTexts(2).empty()) << "not running";
}

TEST(SimulatedRekordbox, DeckTimesAdvanceOnlyWhilePlaying) {
    Rig rig;
    rig.rekordbox.schedule({
        {0, A::load, 2, track("T", 200)},
        {1, A::play, 2, {}},
        {11.35, A::pause, 2, {}},
        {20, A::play, 2, {}},
    });
    // clang-format off
    const struct { double time; const char* elapsed; const char* remaining; } steps[] = {
        {1, "0:00.0", "-3:20.0"},
        {1.18, "0:00.1", "-3:19.9"},
        {15, "0:10.3", "-3:09.7"},
        {90.3, "1:20.6", "-1:59.4"},
        {300, "3:20.0", "-0:00.0"}, // the end of the track stops the deck there
        // clang-format on
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.time);
        rig.time = step.time;
        EXPECT_EQ(rig.rekordbox.deckTexts(2),
                  (Texts{"T", "Artist", "128.00", "8A", step.elapsed, step.remaining}));
    }
    rig.rekordbox.perform({0, A::play, 2, {}});
    rig.time = 400;
    EXPECT_EQ(rig.rekordbox.deckTexts(2)[4], "3:20.0") << "play at the end does nothing";
}

TEST(SimulatedRekordbox, TimelineAppliesEventsInTimeOrderAndIgnoresImpossibleOnes) {
    Rig rig;
    rig.rekordbox.schedule({
        {5, A::eject, 1, {}},
        {2, A::load, 1, track("Second")},
        {2, A::play, 1, {}}, // same time: after the load it follows
        {1, A::load, 1, track("First")},
        {1, A::load, 5, track("No such deck")},
        {1, A::load, 3, std::nullopt},
        {1, A::play, 4, {}}, // nothing loaded
    });
    rig.time = 1.5;
    EXPECT_EQ(rig.rekordbox.deckTexts(1)[0], "First");
    EXPECT_EQ(rig.rekordbox.deckTexts(3), Texts{"Not Loaded."});
    EXPECT_EQ(rig.rekordbox.deckTexts(4), Texts{"Not Loaded."});
    rig.time = 3;
    EXPECT_EQ(rig.rekordbox.deckTexts(1)[0], "Second");
    EXPECT_EQ(rig.rekordbox.deckTexts(1)[4], "0:01.0");
    rig.time = 5;
    EXPECT_EQ(rig.rekordbox.deckTexts(1), Texts{"Not Loaded."});
    // A load replaces a playing track and waits at its start.
    rig.rekordbox.perform({0, A::load, 1, track("Third")});
    rig.rekordbox.perform({0, A::play, 1, {}});
    rig.rekordbox.perform({0, A::load, 1, track("Fourth")});
    rig.time = 9;
    EXPECT_EQ(rig.rekordbox.deckTexts(1)[4], "0:00.0");
}

TEST(SimulatedRekordbox, RepeatedTimelinePlaysRoundAfterRound) {
    Rig rig;
    rig.rekordbox.scheduleRepeating(
        {{0, A::load, 1, track("R")}, {1, A::play, 1, {}}, {2, A::pause, 1, {}}}, 5);
    // clang-format off
    const struct { double time; const char* elapsed; bool playing; } steps[] = {
        {3, "0:01.0", false},     // round 0 played from 1 s to 2 s
        {3.5, "0:01.0", false},   // and is queued once
        {5, "0:00.0", false},     // round 1 loads the deck again as it begins
        {11.5, "0:00.5", true},   // round 2, two periods on
        {100.5, "0:00.0", false}, // after a long gap, the round under way
        {101.5, "0:00.5", true},  // goes on in time
        // clang-format on
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.time);
        rig.time = step.time;
        EXPECT_EQ(rig.rekordbox.deckTexts(1).at(4), step.elapsed);
        EXPECT_EQ(rig.rekordbox.isPlaying(1), step.playing);
    }
}

TEST(SimulatedRekordbox, RestartComesBackEmptyUnderANewProcessID) {
    Rig rig;
    rig.rekordbox.perform({0, A::load, 1, track("T")});
    const auto windows = rig.rekordbox.elementsAttribute(
        rig.rekordbox.applicationElement(SimulatedRekordbox::kFirstPID), "AXWindows");
    ASSERT_TRUE(windows && windows->size() == 1);

    rig.rekordbox.schedule({{1, A::quit, 0, {}}, {2, A::launch, 0, {}}, {3, A::restart, 0, {}}});
    rig.time = 1;
    EXPECT_FALSE(rig.rekordbox.isRunning());
    EXPECT_EQ(rig.rekordbox.processIdentifier(), std::nullopt);
    EXPECT_TRUE(rig.rekordbox.windowTexts().empty());
    EXPECT_FALSE(std::ranges::any_of(rig.rekordbox.runningApplications(), [](const auto& app) {
        return app.bundleIdentifier == SimulatedRekordbox::kBundleIdentifier;
    }));
    rig.rekordbox.perform({0, A::load, 1, track("While quit")});
    rig.time = 2;
    EXPECT_EQ(rig.rekordbox.processIdentifier(), SimulatedRekordbox::kFirstPID + 1);
    EXPECT_EQ(rig.rekordbox.deckTexts(1), Texts{"Not Loaded."});
    // Elements of the old process read as nothing.
    EXPECT_EQ(rig.rekordbox.elementsAttribute(windows->front(), "AXChildren"), std::nullopt);
    EXPECT_EQ(rig.rekordbox.elementsAttribute(
                  rig.rekordbox.applicationElement(SimulatedRekordbox::kFirstPID), "AXWindows"),
              std::nullopt);
    rig.time = 3;
    EXPECT_EQ(rig.rekordbox.processIdentifier(), SimulatedRekordbox::kFirstPID + 2);
}

TEST(SimulatedRekordbox, PostsEachChangeOfADecksTextsOnceAskedTo) {
    Rig rig;
    using Event = decks::AccessibilityPlatform::Event;
    std::vector<Event> seen;
    const auto record = [&](Event event) { seen.push_back(std::move(event)); };
    const auto pid = SimulatedRekordbox::kFirstPID;
    EXPECT_FALSE(rig.rekordbox.subscribe(pid, nullptr, record)) << "off unless asked for";
    rig.rekordbox.setPostsEvents(true);
    const auto subscription = rig.rekordbox.subscribe(pid, nullptr, record);
    const auto elsewhere = rig.rekordbox.subscribe(pid + 1, nullptr, [](Event) { FAIL(); });
    rig.rekordbox.perform({0, A::load, 2, track("T")});
    rig.rekordbox.perform({0, A::play, 2, {}});
    ASSERT_EQ(seen.size(), 1U) << "a load changes the deck's children; a play no text yet";
    EXPECT_EQ(seen[0].kind, Event::Kind::childrenChanged);
    rig.time = 0.35;
    EXPECT_TRUE(rig.rekordbox.isRunning());
    ASSERT_EQ(seen.size(), 3U) << "the two times";
    Texts values;
    for (const Event& event : {seen[1], seen[2]}) {
        EXPECT_EQ(event.kind, Event::Kind::valueChanged);
        values.push_back(*rig.rekordbox.stringAttribute(event.element, "AXValue"));
    }
    EXPECT_EQ(values, (Texts{"0:00.3", "-4:59.7"}));
    EXPECT_TRUE(rig.rekordbox.sameElement(seen[1].element, seen[1].element));
    EXPECT_FALSE(rig.rekordbox.sameElement(seen[1].element, seen[2].element));
}

TEST(SimulatedRekordbox, ShowsCollectionTracksAsRekordboxWritesThem) {
    metadata::Track track;
    track.title = "Bare";
    EXPECT_EQ(SimulatedTrack::from(track),
              (SimulatedTrack{"Bare", "", "--.--", "", SimulatedTrack::kDefaultDuration}));
    track.artist = "The Band";
    track.bpm = 99.504;
    track.musicalKey = "Am";
    track.camelotKey = metadata::CamelotKey::fromString("8A");
    track.duration = 412;
    EXPECT_EQ(SimulatedTrack::from(track),
              (SimulatedTrack{"Bare", "The Band", "99.50", "Am", 412}));
    track.musicalKey = " ";
    EXPECT_EQ(SimulatedTrack::from(track), (SimulatedTrack{"Bare", "The Band", "99.50", "8A", 412}))
        << "the Camelot key when the key text is blank";
}

} // namespace
} // namespace cuevox::simulation
