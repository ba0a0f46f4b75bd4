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
                        (state.isPlaying ? " playing" : state.track ? " paused" : ""));
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
    const struct { std::vector<Fake::RunningApplication> applications; bool active; } cases[] = {
        {{}, false},
        {{{std::nullopt, kPID}, {"com.pioneerdj.RekordboxDJ", kPID}, {kBundle + " ", kPID}}, false},
        {{{std::nullopt, 1}, {kBundle, kPID}}, true},
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
    const struct { Fault fault; int at; } cases[] = {
        {Fault::notAnswering, 5}, {Fault::notAnswering, 30}, {Fault::stop, 5},
        {Fault::stop, 30},        {Fault::slow, 5},          {Fault::slow, 30},
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
    const Fake::NodeID window = platform.addElement(
        "AXWindow",
        {platform.addElement("AXGroup", {platform.addStaticText("g1"), button}),
         platform.addNode({{"AXRole", std::string("AXStaticText")}}),
         node(std::string("AXStaticText"), 1.5), node(3.0, std::string("x")), node(std::string("axstatictext"), std::string("y")),
         platform.addStaticText(""), badChildren, chain[0]});
    platform.setApplication(7, platform.addNode({{"AXWindows", std::vector{window}}}));
    const auto windows = platform.elementsAttribute(platform.applicationElement(7), "AXWindows");
    ASSERT_TRUE(windows && windows->size() == 1);
    const struct { std::size_t maxDepth; Texts expected; } cases[] = {
        {1, {}},
        {2, {"", "leaf", "d0"}},
        {4, {"g1", "in button", "", "leaf", "d0", "d1", "d2"}},
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
