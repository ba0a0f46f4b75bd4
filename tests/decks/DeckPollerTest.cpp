#include "decks/DeckPoller.hpp"

#include "FakeAccessibilityPlatform.hpp"
#include "VirtualClock.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;
using Fake = tests::FakeAccessibilityPlatform;

constexpr Fake::ProcessID kPID = 4242;
const std::string kBundle = "com.pioneerdj.rekordboxdj";

// "deck1 A::T playing", "deck2 empty": what a test expects to be published.
Texts describe(const std::vector<DeckState>& states) {
    Texts lines;
    for (const DeckState& state : states) {
        lines.push_back(std::string(rawValue(state.deck)) +
                        (state.track ? " " + state.track->id : " empty") +
                        (state.isPlaying ? " playing"
                         : state.track   ? " paused"
                                         : ""));
    }
    return lines;
}

// rekordbox running with one window; each poll shows `first`, then `second` after the gap.
struct Rig {
    Fake platform;
    tests::VirtualClock clock;
    DeckPoller poller{{kBundle, 0.25, 0.18, 3.0}, platform, clock};
    Fake::NodeID window = 0;

    Rig() {
        platform.setRunningApplications({{kBundle, kPID}});
        window = platform.addWindow(kPID, {});
    }
    DeckPoller::Outcome poll(const Texts& first, const Texts& second, std::stop_token stop = {}) {
        platform.setWindowTexts(window, first);
        clock.onSleep = [this, second] { platform.setWindowTexts(window, second); };
        return poller.pollOnce(std::move(stop));
    }
    DeckPoller::Outcome poll(const Texts& still) { return poll(still, still); }
    Texts published(const Texts& first, const Texts& second) {
        return describe(poll(first, second).changedStates);
    }
};

Texts deck(const std::string& title, const std::string& elapsed = "0:10",
           const std::string& artist = "A") {
    return {title, artist, "128.00", "8A", elapsed, "-3:20"};
}

Texts concat(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Texts kEmpty{"Not Loaded."};

TEST(DeckPoller, FindsRekordboxOnlyByItsExactBundleIdentifierAndOnlyWithAccess) {
    // clang-format off
    const struct { std::vector<Fake::RunningApplication> applications; bool active; } cases[] = {
        {{}, false},
        {{{std::nullopt, kPID}, {"com.pioneerdj.RekordboxDJ", kPID}, {kBundle + " ", kPID}}, false},
        {{{std::nullopt, 1}, {kBundle, kPID}}, true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.active);
        Rig rig;
        rig.platform.setRunningApplications(c.applications);
        const auto outcome = rig.poll(deck("T"));
        EXPECT_EQ(outcome.active, c.active);
        EXPECT_EQ(outcome.changedStates.size(), c.active ? 1U : 0U);
    }
    Rig rig;
    rig.platform.setTrusted(false);
    EXPECT_FALSE(rig.poll(deck("T")).active);
    EXPECT_EQ(rig.platform.callCounts(), Fake::CallCounts{.trustChecks = 1}) << "nothing else";
}

TEST(DeckPoller, WithoutAWindowOrADeckThePollIsActiveAndEndsAtOnce) {
    for (const bool windowList : {false, true}) {
        SCOPED_TRACE(windowList);
        Rig rig;
        const Fake::AttributeValue none = std::vector<Fake::NodeID>{};
        rig.platform.setApplication(kPID, windowList ? rig.platform.addNode({{"AXWindows", none}})
                                                     : rig.platform.addNode({}));
        const auto outcome = rig.poller.pollOnce();
        EXPECT_TRUE(outcome.active);
        EXPECT_FALSE(outcome.restarted) << "the first sighting is not a restart";
        EXPECT_TRUE(outcome.changedStates.empty());
        EXPECT_TRUE(rig.clock.sleeps().empty());
    }
    Rig rig;
    EXPECT_TRUE(rig.poll({"rekordbox", "BROWSE", "128", "8A"}).active);
    EXPECT_TRUE(rig.clock.sleeps().empty()) << "no deck, so no wait and no second sample";
    rig.poll(deck("T"));
    EXPECT_EQ(rig.clock.sleeps(), std::vector<std::chrono::nanoseconds>{180ms});
}

// Each row's polls, each of two samples, and what each poll publishes.
TEST(DeckPoller, ChangingTextsAfterTheBlockMeanPlayingAndOnlyChangesArePublished) {
    const Texts block{"T", "A", "128.00", "8A"};
    const Texts gone = {"Other", "texts"};
    const Texts five = concat({deck("1"), deck("2"), deck("3"), deck("4"), deck("5")});
    // clang-format off
    struct { std::vector<std::pair<Texts, Texts>> polls; std::vector<Texts> expected; } cases[] = {
        {{{deck("T"), deck("T", "0:11")}}, {{"deck1 A::T playing"}}},
        // Four texts after the block are compared, not five.
        {{{concat({block, {"a", "b", "c", "d", "e"}}), concat({block, {"a", "b", "c", "D", "e"}})}},
         {{"deck1 A::T playing"}}},
        {{{concat({block, {"a", "b", "c", "d", "e"}}), concat({block, {"a", "b", "c", "d", "E"}})}},
         {{"deck1 A::T paused"}}},
        // The second sample is read where the block is found in it.
        {{{deck("T"), concat({{"x"}, deck("T")})}}, {{"deck1 A::T paused"}}},
        {{{concat({deck("T"), deck("U")}), concat({deck("T"), deck("U", "1:01")})}},
         {{"deck1 A::T paused", "deck2 A::U playing"}}},
        // The next deck's texts are its own: loading or ejecting it is no playback of this one.
        {{{concat({deck("T"), kEmpty}), concat({deck("T"), deck("U")})}}, {{"deck1 A::T paused"}}},
        {{{concat({deck("T"), deck("U")}), concat({deck("T"), kEmpty})}},
         {{"deck1 A::T paused", "deck2 A::U paused"}}},
        // The n-th copy of a track on two decks is compared with the n-th of the second sample.
        {{{concat({deck("T"), {"x", "y"}, deck("T", "0:00"), {"z", "w"}}),
           concat({deck("T"), {"x", "y"}, deck("T", "0:01"), {"z", "w"}})}},
         {{"deck1 A::T paused", "deck2 A::T playing"}}},
        {{{concat({deck("T"), deck("U"), deck("T", "0:00"), {"z", "w"}}),
           concat({deck("T"), deck("U"), deck("T", "0:01"), {"z", "w"}})}},
         {{"deck1 A::T paused", "deck2 A::U paused", "deck3 A::T playing"}}},
        {{{deck("T"), deck("T")}, {deck("T"), deck("T")}}, {{"deck1 A::T paused"}, {}}},
        {{{deck("T"), deck("T", "0:11")}, {deck("T"), deck("T")}},
         {{"deck1 A::T playing"}, {"deck1 A::T paused"}}},
        // Without the deck in the second sample the deck keeps what it had: paused at first.
        {{{deck("T"), deck("T", "0:11")}, {deck("T"), gone}}, {{"deck1 A::T playing"}, {}}},
        {{{deck("T"), gone}}, {{"deck1 A::T paused"}}},
        {{{deck("T"), deck("T", "0:11")}, {kEmpty, {}}, {kEmpty, {}}},
         {{"deck1 A::T playing"}, {"deck1 empty"}, {}}},
        {{{kEmpty, {}}}, {{}}},
        {{{deck("T"), deck("T")}, {deck("T2"), deck("T2")}},
         {{"deck1 A::T paused"}, {"deck1 A::T2 paused"}}},
        // Deck 1 pauses; deck 2's copy has no counterpart and stays playing.
        {{{concat({deck("T"), {"x", "y"}, deck("T", "0:00")}),
           concat({deck("T", "0:11"), {"x", "y"}, deck("T", "0:01")})},
          {concat({deck("T"), {"x", "y"}, deck("T", "0:00")}), concat({deck("T"), {"x", "y"}})}},
         {{"deck1 A::T playing", "deck2 A::T playing"}, {"deck1 A::T paused"}}},
        // Only four slots are decks; with two blocks, decks 3 and 4 are not touched, not emptied.
        {{{five, five}, {concat({deck("1"), deck("9")}), concat({deck("1"), deck("9")})}},
         {{"deck1 A::1 paused", "deck2 A::2 paused", "deck3 A::3 paused", "deck4 A::4 paused"},
          {"deck2 A::9 paused"}}},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        Rig rig;
        for (std::size_t poll = 0; poll < cases[i].polls.size(); ++poll) {
            SCOPED_TRACE(poll);
            EXPECT_EQ(rig.published(cases[i].polls[poll].first, cases[i].polls[poll].second),
                      cases[i].expected[poll]);
        }
    }
}

TEST(DeckPoller, APollThatCannotFinishItsReadsReadsAsNoWindow) {
    // At read `at` of the poll (1 is the window list, 2 to 21 the first sample, 22 to 41 the
    // second), rekordbox stops answering, a stop is asked for, or the read takes the poll's
    // whole time: nothing more is read or published, and the deck keeps its published state.
    enum class Fault { notAnswering, stop, slow };
    // clang-format off
    const struct { Fault fault; int at; } cases[] = {
        {Fault::notAnswering, 5}, {Fault::notAnswering, 30}, {Fault::stop, 5},
        {Fault::stop, 30},        {Fault::slow, 5},          {Fault::slow, 30},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.fault) << " at read " << c.at);
        Rig rig;
        ASSERT_EQ(rig.published(deck("T"), deck("T")), Texts{"deck1 A::T paused"});
        std::stop_source stop;
        int reads = 0;
        rig.platform.setReadHook([&](std::string_view) {
            if (++reads != c.at) {
                return true;
            }
            if (c.fault == Fault::stop) {
                stop.request_stop();
            } else if (c.fault == Fault::slow) {
                rig.clock.advance(DeckPoller::kMaxPollTime);
            }
            return c.fault != Fault::notAnswering;
        });
        const auto outcome = rig.poll(deck("U"), deck("U", "0:11"), stop.get_token());
        EXPECT_TRUE(outcome.active);
        EXPECT_TRUE(outcome.changedStates.empty());
        EXPECT_EQ(reads, c.at);
        EXPECT_EQ(rig.poller.lastKnownStates().at(DeckIdentifier::deck1).track->title, "T");
    }
}

TEST(DeckPoller, NewProcessIDForgetsPublishedDecksAndSignalsOnce) {
    Rig rig;
    const Texts screen = concat({deck("T"), kEmpty, deck("U")});
    EXPECT_EQ(describe(rig.poll(screen).changedStates),
              (Texts{"deck1 A::T paused", "deck3 A::U paused"}));
    EXPECT_FALSE(rig.poll(screen).restarted);

    // Without a window yet, the decks are forgotten all the same.
    rig.platform.setRunningApplications({{kBundle, kPID + 1}});
    const auto windowless = rig.poller.pollOnce();
    EXPECT_TRUE(windowless.restarted);
    EXPECT_TRUE(rig.poller.lastKnownStates().empty());

    rig.platform.setRunningApplications({{kBundle, kPID + 2}});
    rig.window = rig.platform.addWindow(kPID + 2, {});
    const auto outcome = rig.poll(screen);
    EXPECT_TRUE(outcome.restarted);
    // Every loaded deck again; the empty deck is not, since nothing is remembered for it.
    EXPECT_EQ(describe(outcome.changedStates), (Texts{"deck1 A::T paused", "deck3 A::U paused"}));
    EXPECT_EQ(rig.poller.lastKnownRekordboxPID(), kPID + 2);
    EXPECT_FALSE(rig.poll(screen).restarted) << "signalled once";
}

TEST(DeckPoller, ProvisionalTrackIsBuiltFromTheDeckTexts) {
    Rig rig;
    const auto outcome = rig.poll({"Title", "Artist", "128.00", "Am"});
    ASSERT_EQ(outcome.changedStates.size(), 1U);
    const DeckState& state = outcome.changedStates[0];
    metadata::Track expected;
    expected.id = "Artist::Title";
    expected.title = "Title";
    expected.artist = "Artist";
    expected.bpm = 128.0;
    expected.musicalKey = "Am";
    expected.camelotKey = metadata::CamelotKey::fromString("8A");
    EXPECT_EQ(state.track, expected);
    EXPECT_FALSE(state.isMaster);
    EXPECT_EQ(state.isOnAir, std::nullopt);
    EXPECT_EQ(state.updatedAt, rig.clock.now());
    // No tempo, and a key in Open Key as the collection is read.
    rig.poller.setKeyNotation({.openKey = true});
    const auto bare = rig.poll({"Title", "Artist", "--.--", "1m"});
    ASSERT_EQ(bare.changedStates.size(), 1U);
    EXPECT_EQ(bare.changedStates[0].track->bpm, std::nullopt);
    EXPECT_EQ(bare.changedStates[0].track->camelotKey, metadata::CamelotKey::fromString("8A"));
}

TEST(DeckPoller, WalksStaticTextsInPreOrderDownToTheDepthLimit) {
    Fake platform;
    // A chain with a static text at every depth, each text also a parent.
    std::vector<Fake::NodeID> chain;
    for (int depth = 0; depth <= 61; ++depth) {
        chain.push_back(platform.addStaticText("d" + std::to_string(depth)));
        if (depth > 0) {
            platform.setAttribute(chain[depth - 1], "AXChildren", std::vector{chain.back()});
        }
    }
    const auto node = [&](Fake::AttributeValue role, Fake::AttributeValue value) {
        return platform.addNode({{"AXRole", role}, {"AXValue", value}});
    };
    const Fake::NodeID button = node(std::string("AXButton"), std::string("PLAY"));
    platform.setAttribute(button, "AXChildren", std::vector{platform.addStaticText("in button")});
    const Fake::NodeID badChildren = platform.addStaticText("leaf");
    platform.setAttribute(badChildren, "AXChildren", std::string("not a list"));
    // A browser's texts are left out, whatever holds them.
    const auto browser = [&](const char* role) {
        const Fake::NodeID text = platform.addStaticText(role);
        return platform.addElement(role, {platform.addElement("AXGroup", {text})});
    };
    const Fake::NodeID window = platform.addElement(
        "AXWindow", {browser("AXTable"), browser("AXOutline"), browser("AXRow"), browser("AXCell"),
                     platform.addElement("AXGroup", {platform.addStaticText("g1"), button}),
                     platform.addNode({{"AXRole", std::string("AXStaticText")}}),
                     node(std::string("AXStaticText"), 1.5), node(3.0, std::string("x")),
                     node(std::string("axstatictext"), std::string("y")),
                     platform.addStaticText(""), badChildren, chain[0]});
    platform.setApplication(7, platform.addNode({{"AXWindows", std::vector{window}}}));
    const auto windows = platform.elementsAttribute(platform.applicationElement(7), "AXWindows");
    ASSERT_TRUE(windows && windows->size() == 1);
    // clang-format off
    const struct { std::size_t maxDepth; Texts expected; } cases[] = {
        {1, {}},
        {2, {"", "leaf", "d0"}},
        {4, {"g1", "in button", "", "leaf", "d0", "d1", "d2"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxDepth);
        EXPECT_EQ(DeckPoller::collectStaticTextValues(platform, windows->front(), c.maxDepth),
                  c.expected);
    }
    // At the monitor's depth the window is depth 0, so d58 is the deepest text read.
    const Texts full =
        *DeckPoller::collectStaticTextValues(platform, windows->front(), DeckPoller::kMaxWalkDepth);
    EXPECT_EQ(full.size(), 4U + 59U);
    EXPECT_EQ(full.back(), "d58");
}

} // namespace
} // namespace cuevox::decks

namespace cuevox::decks {
namespace {

using Kind = AccessibilityPlatform::Event::Kind;

// rekordbox whose texts stay the same elements from poll to poll, as a toolkit's labels do,
// and that reports their changes. Counts the reads, and the full walks by the roles they read
// (kTwoDecks: the window's and its twelve texts').
struct LiveRig : Rig {
    std::vector<Fake::NodeID> texts;
    int walks = 0;
    int reads = 0;
    int roles = 0;

    explicit LiveRig(const Texts& shown, bool events = true) {
        platform.setPostsEvents(events);
        platform.setWindowTexts(window, shown);
        texts = platform.children(window);
        platform.setReadHook([this](std::string_view attribute) {
            walks += attribute == "AXRole" && ++roles % 13 == 1;
            ++reads;
            return true;
        });
    }
    Texts pollNow() { return describe(poller.pollOnce().changedStates); }
    void set(std::size_t text, const std::string& value) {
        platform.setAttribute(texts.at(text), "AXValue", value);
    }
    // Takes the events now, as the monitor does when they arrive, then acts after `wait`.
    Texts handleAfter(std::chrono::nanoseconds wait) {
        Texts published = describe(poller.handleEvents().changedStates);
        clock.advance(wait);
        const Texts later = describe(poller.handleEvents().changedStates);
        published.insert(published.end(), later.begin(), later.end());
        return published;
    }
};

const Texts kTwoDecks = concat({deck("T"), deck("U")});

// The first poll walks the window; later ones read the decks' remembered texts alone (each
// deck's block and its two times, up to the next deck's block) until a rule asks for a walk. A
// deck's number comes from its place: deck 2 stays deck 2 when deck 1 is lost.
TEST(DeckPoller, RememberedDecksAreReadAloneUntilARuleAsksForAFullWalk) {
    enum class Change { none, titleGone, notABlock, time, restart };
    // clang-format off
    const struct { Change change; int walks, reads; Texts published; } cases[] = {
        {Change::none, 0, 1 + 2 * (6 + 6), {}},
        {Change::titleGone, 1, -1, {}},
        {Change::notABlock, 1, -1, {}},
        {Change::time, 1, -1, {}},
        {Change::restart, 1, -1, {"deck1 A::T paused", "deck2 A::U paused"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.change));
        LiveRig rig(kTwoDecks);
        ASSERT_EQ(rig.pollNow(), (Texts{"deck1 A::T paused", "deck2 A::U paused"}));
        EXPECT_EQ(rig.walks, 1);
        rig.walks = rig.reads = rig.roles = 0;
        if (c.change == Change::titleGone) {
            rig.platform.setAttribute(rig.texts[0], "AXValue", 1.0);
        } else if (c.change == Change::notABlock) {
            rig.set(2, "x");
        } else if (c.change == Change::time) {
            rig.clock.advance(DeckPoller::kFullWalkInterval);
        } else if (c.change == Change::restart) {
            rig.platform.addWindow(kPID + 1, kTwoDecks);
            rig.platform.setRunningApplications({{kBundle, kPID + 1}});
        }
        EXPECT_EQ(rig.pollNow(), c.published);
        EXPECT_EQ(rig.walks, c.walks);
        if (c.reads >= 0) {
            EXPECT_EQ(rig.reads, c.reads);
        }
    }
}

// Each row: events and silent changes of the texts, time passing, and what each step publishes.
// kTwoDecks' texts: 0-3 deck 1's block, 4-5 its times, 6-9 deck 2's block, 10-11 its times.
TEST(DeckPoller, EventsReadTheirDeckAtOnceAndTellPlayingFromTheTimes) {
    enum class Act { post, silent, structure, none };
    struct Step {
        Act act;
        std::size_t text;
        const char* value;
        std::chrono::milliseconds wait;
        Texts published;
    };
    const auto ms = [](int n) { return std::chrono::milliseconds(n); };
    const Texts playing{"deck1 A::T playing"}, paused{"deck1 A::T paused"};
    const Texts reloaded{"deck1 A::T3 paused"};
    const std::vector<Step> cases[] = {
        // clang-format off
        // A load changes four texts within a millisecond: one read once they have settled.
        {{Act::post, 0, "T2", ms(5), {}}, {Act::post, 1, "B", ms(5), {"deck1 B::T2 paused"}}},
        // A time that moves is playing; the same times a gap after the last change are paused.
        {{Act::post, 4, "0:11", ms(10), playing}, {Act::post, 4, "0:12", ms(100), {}},
         {Act::none, 0, "", ms(179), {}}, {Act::none, 0, "", ms(1), paused}},
        // Times that move without events keep the deck playing, until they stop.
        {{Act::post, 5, "-3:19", ms(10), playing}, {Act::silent, 5, "-3:18", ms(180), {}},
         {Act::none, 0, "", ms(180), paused}},
        // Deck 2's title follows deck 1's times: it is deck 2's load, not deck 1's playback.
        {{Act::post, 6, "U2", ms(10), {"deck2 A::U2 paused"}}},
        // A block that is gone walks the window: deck 2 is found where it was.
        {{Act::post, 2, "x", ms(10), {}}},
        // A change of structure around the decks walks the window; elsewhere it is not read.
        {{Act::silent, 0, "T3", ms(0), {}}, {Act::structure, 0, "", ms(10), reloaded}},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        LiveRig rig(kTwoDecks);
        rig.pollNow();
        for (const Step& step : cases[i]) {
            if (step.act == Act::post || step.act == Act::silent) {
                rig.set(step.text, step.value);
            }
            if (step.act == Act::post) {
                rig.platform.post(kPID, Kind::valueChanged, rig.texts[step.text]);
            } else if (step.act == Act::structure) {
                rig.platform.post(kPID, Kind::childrenChanged, rig.window);
            }
            EXPECT_EQ(rig.handleAfter(step.wait), step.published);
        }
    }
}

TEST(DeckPoller, ALoadReadBetweenAPollsSamplesIsNotUndoneByItsFirstSample) {
    LiveRig rig(kTwoDecks);
    rig.pollNow();
    EXPECT_TRUE(rig.poller.startPoll().changedStates.empty());
    rig.set(0, "T2");
    rig.platform.post(kPID, Kind::valueChanged, rig.texts[0]);
    EXPECT_EQ(rig.handleAfter(DeckPoller::kCoalescingDelay), Texts{"deck1 A::T2 paused"});
    EXPECT_EQ(describe(rig.poller.finishPoll().changedStates), Texts{});
}

TEST(DeckPoller, EventsOfElementsOrProcessesNoLongerWatchedAreNotRead) {
    LiveRig rig(kTwoDecks);
    rig.pollNow();
    const Fake::NodeID elsewhere = rig.platform.addStaticText("128.00");
    rig.platform.post(kPID, Kind::valueChanged, elsewhere);
    rig.platform.post(kPID, Kind::childrenChanged, elsewhere);
    rig.platform.post(kPID + 7, Kind::valueChanged, rig.texts[0]);
    rig.reads = 0;
    EXPECT_EQ(rig.handleAfter(std::chrono::seconds(1)), Texts{});
    EXPECT_EQ(rig.reads, 0);

    // rekordbox restarts with an event of the old process still queued: the old subscription
    // goes, the new process is watched, and the old event reads nothing.
    rig.platform.post(kPID, Kind::valueChanged, rig.texts[0]);
    rig.window = rig.platform.addWindow(kPID + 1, kTwoDecks);
    rig.platform.setRunningApplications({{kBundle, kPID + 1}});
    EXPECT_TRUE(rig.poller.pollOnce().restarted);
    rig.reads = 0;
    EXPECT_EQ(rig.handleAfter(std::chrono::seconds(1)), Texts{});
    EXPECT_EQ(rig.reads, 0);
    EXPECT_EQ(rig.platform.liveSubscriptions(), 1U);
    EXPECT_EQ(rig.platform.callCounts().subscriptions, 2U);
    DeckPoller quiet({kBundle, 0.25, 0.18, 3.0, false}, rig.platform, rig.clock);
    quiet.pollOnce();
    EXPECT_EQ(rig.platform.callCounts().subscriptions, 2U) << "events off: never asked for";
}

// 100,000 events between two looks keep a bounded inbox and cost one read of each deck; an
// application that stops answering in the middle of such a read holds nothing else up; a text
// destroyed while read walks the window instead.
TEST(DeckPoller, AFloodOfEventsIsBoundedAndReadsGiveUpOrWalkOnFaults) {
    LiveRig rig(kTwoDecks);
    rig.pollNow();
    for (int i = 0; i < 100'000; ++i) {
        rig.platform.post(kPID, Kind::valueChanged, rig.texts[4]);
    }
    EXPECT_EQ(rig.poller.inbox().size(), EventInbox::kCapacity);
    rig.reads = 0;
    EXPECT_EQ(rig.handleAfter(DeckPoller::kCoalescingDelay), (Texts{"deck1 A::T playing"}));
    EXPECT_EQ(rig.reads, 6 + 6) << "every deck once, for what was lost may be any deck's";
    rig.platform.post(kPID, Kind::valueChanged, rig.texts[5]);
    rig.reads = 0;
    EXPECT_EQ(rig.handleAfter(DeckPoller::kCoalescingDelay), Texts{});
    EXPECT_EQ(rig.reads, 2) << "a playing deck's times alone";

    rig.set(0, "T2");
    rig.platform.post(kPID, Kind::valueChanged, rig.texts[0]);
    rig.reads = 0;
    rig.platform.setReadHook([&](std::string_view) { return ++rig.reads > 1; });
    EXPECT_EQ(rig.handleAfter(DeckPoller::kCoalescingDelay), Texts{});
    EXPECT_EQ(rig.reads, 1);

    rig.platform.post(kPID, Kind::valueChanged, rig.texts[0]);
    rig.platform.setReadHook([&](std::string_view attribute) {
        if (attribute == "AXValue") {
            rig.platform.setAttribute(rig.texts[0], "AXValue", 0.0);
            rig.platform.setReadHook({});
        }
        return true;
    });
    EXPECT_EQ(rig.handleAfter(DeckPoller::kCoalescingDelay), Texts{});
    ASSERT_TRUE(rig.poller.layout());
    EXPECT_EQ(rig.poller.layout()->decks().size(), 1U) << "walked: deck 1 is no block now";
    EXPECT_EQ(rig.poller.layout()->decks()[0].deck, DeckIdentifier::deck2);
}

} // namespace
} // namespace cuevox::decks
