#include "decks/DeckPoller.hpp"

#include "FakeAccessibilityPlatform.hpp"
#include "VirtualClock.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace cuevox::decks {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;
using Fake = tests::FakeAccessibilityPlatform;

constexpr Fake::ProcessID kPID = 4242;
const std::string kBundle = "com.pioneerdj.rekordboxdj";

DeckMonitorConfiguration configuration() {
    return {kBundle, 0.25, 0.18, 3.0};
}

// "deck1 A::T playing", "deck2 empty": what a test expects to be published.
std::vector<std::string> describe(const std::vector<DeckState>& states) {
    std::vector<std::string> lines;
    for (const DeckState& state : states) {
        std::string line(rawValue(state.deck));
        line += state.track ? " " + state.track->id + (state.isPlaying ? " playing" : " paused")
                            : std::string(" empty") + (state.isPlaying ? " playing" : "");
        lines.push_back(line);
    }
    return lines;
}

// rekordbox running with one window; each poll shows `first`, then `second` after the gap.
struct Rig {
    Fake platform;
    tests::VirtualClock clock;
    DeckPoller poller{configuration(), platform, clock};
    Fake::NodeID window = 0;

    Rig() {
        platform.setRunningApplications({{kBundle, kPID}});
        window = platform.addWindow(kPID, {});
    }

    DeckPoller::Outcome poll(const Texts& first, const Texts& second, std::stop_token stop = {}) {
        platform.setWindowTexts(window, first);
        clock.onSleep = [this, second] {
            platform.setWindowTexts(window, second);
        };
        return poller.pollOnce(std::move(stop));
    }
    DeckPoller::Outcome poll(const Texts& still) { return poll(still, still); }
};

Texts deck(const std::string& title, const std::string& artist, const std::string& elapsed,
           const std::string& remaining, const std::string& key = "8A") {
    return {title, artist, "128.00", key, elapsed, remaining};
}

Texts concat(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(DeckPoller, NoAccessTouchesNothingButTheTrustCheck) {
    Rig rig;
    rig.platform.setTrusted(false);
    const auto outcome = rig.poll(deck("T", "A", "0:10", "-3:20"));
    EXPECT_FALSE(outcome.active);
    EXPECT_FALSE(outcome.restarted);
    EXPECT_TRUE(outcome.changedStates.empty());
    Fake::CallCounts onlyTrust;
    onlyTrust.trustChecks = 1;
    EXPECT_EQ(rig.platform.callCounts(), onlyTrust);
    EXPECT_TRUE(rig.clock.sleeps().empty());
}

TEST(DeckPoller, FindsRekordboxOnlyByItsExactBundleIdentifier) {
    const struct {
        const char* name;
        std::vector<Fake::RunningApplication> applications;
        bool active;
    } cases[] = {
        {"nothing running", {}, false},
        {"other applications",
         {{std::nullopt, kPID},
          {"com.apple.finder", kPID},
          {"com.pioneerdj.RekordboxDJ", kPID},
          {kBundle + " ", kPID},
          {"com.pioneerdj.rekordbox", kPID}},
         false},
        {"after an application without bundle", {{std::nullopt, 1}, {kBundle, kPID}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.platform.setRunningApplications(c.applications);
        const auto outcome = rig.poll(deck("T", "A", "0:10", "-3:20"));
        EXPECT_EQ(outcome.active, c.active);
        EXPECT_EQ(describe(outcome.changedStates).size(), c.active ? 1U : 0U);
        EXPECT_EQ(rig.poller.lastKnownRekordboxPID(),
                  c.active ? std::optional<Fake::ProcessID>(kPID) : std::nullopt);
    }
}

TEST(DeckPoller, QuitRekordboxWithdrawsNothing) {
    Rig rig;
    ASSERT_EQ(describe(rig.poll(deck("T", "A", "0:10", "-3:20")).changedStates),
              Texts{"deck1 A::T paused"});
    rig.platform.setRunningApplications({});
    const auto outcome = rig.poll(deck("T", "A", "0:10", "-3:20"));
    EXPECT_FALSE(outcome.active);
    EXPECT_TRUE(outcome.changedStates.empty());
    EXPECT_EQ(rig.poller.lastKnownStates().size(), 1U);
    EXPECT_EQ(rig.poller.lastKnownRekordboxPID(), kPID);
    // Back under the same id: nothing changed, so nothing is published again.
    rig.platform.setRunningApplications({{kBundle, kPID}});
    const auto back = rig.poll(deck("T", "A", "0:10", "-3:20"));
    EXPECT_FALSE(back.restarted);
    EXPECT_TRUE(back.changedStates.empty());
}

TEST(DeckPoller, WithoutAWindowThePollIsActiveAndQuiet) {
    const struct {
        const char* name;
        std::optional<Fake::AttributeValue> windows;
    } cases[] = {
        {"AXWindows missing", std::nullopt},
        {"AXWindows of another type", Fake::AttributeValue(1.0)},
        {"AXWindows a string", Fake::AttributeValue(std::string("window"))},
        {"no windows", Fake::AttributeValue(std::vector<Fake::NodeID>{})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fake platform;
        tests::VirtualClock clock;
        DeckPoller poller(configuration(), platform, clock);
        platform.setRunningApplications({{kBundle, kPID}});
        const Fake::NodeID application = platform.addNode({});
        if (c.windows) {
            platform.setAttribute(application, "AXWindows", *c.windows);
        }
        platform.setApplication(kPID, application);
        const auto outcome = poller.pollOnce();
        EXPECT_TRUE(outcome.active);
        EXPECT_FALSE(outcome.restarted) << "the first sighting is not a restart";
        EXPECT_TRUE(outcome.changedStates.empty());
        EXPECT_TRUE(clock.sleeps().empty());
        EXPECT_EQ(poller.lastKnownRekordboxPID(), kPID);
    }
}

TEST(DeckPoller, FirstSampleWithoutDecksEndsThePollAtOnce) {
    Rig rig;
    const auto outcome = rig.poll({"rekordbox", "BROWSE", "128", "8A"});
    EXPECT_TRUE(outcome.active);
    EXPECT_TRUE(outcome.changedStates.empty());
    EXPECT_TRUE(rig.clock.sleeps().empty()) << "no wait and no second sample";
}

TEST(DeckPoller, SamplesTwiceTheConfiguredGapApartOnOneWindowElement) {
    Rig rig;
    const Fake::CallCounts before = rig.platform.callCounts();
    rig.poll(deck("T", "A", "0:10", "-3:20"));
    EXPECT_EQ(rig.clock.sleeps(), std::vector<std::chrono::nanoseconds>{180ms});
    EXPECT_EQ(rig.platform.callCounts().applicationElements - before.applicationElements, 1U);
}

TEST(DeckPoller, ChangingTextsAfterTheBlockMeanPlaying) {
    const struct {
        const char* name;
        Texts first;
        Texts second;
        std::vector<std::string> expected;
    } cases[] = {
        {"times advance",
         deck("T", "A", "0:10", "-3:20"),
         deck("T", "A", "0:11", "-3:19"),
         {"deck1 A::T playing"}},
        {"times still",
         deck("T", "A", "0:10", "-3:20"),
         deck("T", "A", "0:10", "-3:20"),
         {"deck1 A::T paused"}},
        {"block at the very end",
         {"T", "A", "128.00", "8A"},
         {"T", "A", "128.00", "8A"},
         {"deck1 A::T paused"}},
        {"a text appears after a block at the end",
         {"T", "A", "128.00", "8A"},
         {"T", "A", "128.00", "8A", "0:01"},
         {"deck1 A::T playing"}},
        {"only the fourth following text changes",
         {"T", "A", "128.00", "8A", "a", "b", "c", "d", "e"},
         {"T", "A", "128.00", "8A", "a", "b", "c", "D", "e"},
         {"deck1 A::T playing"}},
        {"the fifth following text is outside the window",
         {"T", "A", "128.00", "8A", "a", "b", "c", "d", "e"},
         {"T", "A", "128.00", "8A", "a", "b", "c", "d", "E"},
         {"deck1 A::T paused"}},
        {"block moved in the second sample, same following texts",
         {"T", "A", "128.00", "8A", "0:10", "-3:20"},
         {"x", "T", "A", "128.00", "8A", "0:10", "-3:20"},
         {"deck1 A::T paused"}},
        {"two decks, only the second plays",
         concat({deck("T", "A", "0:10", "-3:20"), deck("U", "B", "1:00", "-2:00")}),
         concat({deck("T", "A", "0:10", "-3:20"), deck("U", "B", "1:01", "-1:59")}),
         // Deck 1's window reaches into deck 2's title and artist, which did not change.
         {"deck1 A::T paused", "deck2 B::U playing"}},
        {"empty and loaded decks in screen order",
         concat({{"Not Loaded."}, deck("U", "B", "1:00", "-2:00")}),
         concat({{"Not Loaded."}, deck("U", "B", "1:01", "-1:59")}),
         {"deck2 B::U playing"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        EXPECT_EQ(describe(rig.poll(c.first, c.second).changedStates), c.expected);
    }
}

TEST(DeckPoller, DecksWithoutArtistOrKeyKeepTheirNumbersAndPlayback) {
    // Decks 1 to 4 under "DECK n" headers; only the deck `playing` has moving times.
    const struct {
        std::array<const char*, 4> artists;
        std::array<const char*, 4> keys;
        std::size_t playing;
        std::array<const char*, 4> ids;
    } cases[] = {
        {{"a", "", "c", "d"}, {"1A", "2A", "3A", "4A"}, 3, {"a::1", "::2", "c::3", "d::4"}},
        {{"a", "b", "c", "d"}, {"1A", "2A", "", "4A"}, 4, {"a::1", "b::2", "c::3", "d::4"}},
        {{"a", "", "c", "d"}, {"1A", "", "", "4A"}, 3, {"a::1", "::2", "c::3", "d::4"}},
        {{"a", "", "", "d"}, {"1A", "2A", " ", "4A"}, 4, {"a::1", "::2", "::3", "d::4"}},
    };
    for (const auto& c : cases) {
        Texts first;
        Texts second;
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string number = std::to_string(i + 1);
            const bool moves = i + 1 == c.playing;
            const Texts header{"DECK " + number};
            first = concat({first, header, deck(number, c.artists[i], "0:10", "-3:20", c.keys[i])});
            second =
                concat({second, header,
                        deck(number, c.artists[i], moves ? "0:11" : "0:10", "-3:20", c.keys[i])});
            expected.push_back("deck" + number + " " + c.ids[i] + (moves ? " playing" : " paused"));
        }
        SCOPED_TRACE(::testing::PrintToString(first));
        Rig rig;
        EXPECT_EQ(describe(rig.poll(first, second).changedStates), expected);
    }
}

TEST(DeckPoller, PublishesOnlyChangesAcrossPolls) {
    const Texts playing1 = deck("T", "A", "0:10", "-3:20");
    const Texts playing2 = deck("T", "A", "0:11", "-3:19");
    const Texts gone = {"Other", "texts"};
    const struct {
        const char* name;
        std::vector<std::pair<Texts, Texts>> polls;
        std::vector<std::vector<std::string>> expected;
    } cases[] = {
        {"same screen twice",
         {{playing1, playing1}, {playing1, playing1}},
         {{"deck1 A::T paused"}, {}}},
        {"pause after playing",
         {{playing1, playing2}, {playing2, playing2}},
         {{"deck1 A::T playing"}, {"deck1 A::T paused"}}},
        {"playing on and on",
         {{playing1, playing2}, {playing2, playing1}},
         {{"deck1 A::T playing"}, {}}},
        {"deck missing from the second sample keeps playing",
         {{playing1, playing2}, {playing1, gone}},
         {{"deck1 A::T playing"}, {}}},
        {"deck missing from the second sample at first counts as paused",
         {{playing1, gone}},
         {{"deck1 A::T paused"}}},
        {"eject",
         {{playing1, playing1}, {{"Not Loaded."}, {"Not Loaded."}}},
         {{"deck1 A::T paused"}, {"deck1 empty"}}},
        {"eject while playing, then still empty",
         {{playing1, playing2}, {{"Not Loaded."}, {}}, {{"Not Loaded."}, {}}},
         {{"deck1 A::T playing"}, {"deck1 empty"}, {}}},
        {"never loaded", {{{"Not Loaded."}, {}}, {{"Not Loaded."}, {}}}, {{}, {}}},
        {"other track on the deck",
         {{playing1, playing1},
          {deck("T2", "A", "0:00", "-5:00"), deck("T2", "A", "0:00", "-5:00")}},
         {{"deck1 A::T paused"}, {"deck1 A::T2 paused"}}},
        {"same texts, other key",
         {{playing1, playing1},
          {deck("T", "A", "0:10", "-3:20", "9A"), deck("T", "A", "0:10", "-3:20", "9A")}},
         {{"deck1 A::T paused"}, {"deck1 A::T paused"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        for (std::size_t i = 0; i < c.polls.size(); ++i) {
            SCOPED_TRACE(i);
            const auto outcome = rig.poll(c.polls[i].first, c.polls[i].second);
            EXPECT_EQ(describe(outcome.changedStates), c.expected[i]);
        }
    }
}

TEST(DeckPoller, APollThatCannotFinishItsReadsReadsAsNoWindow) {
    // At read `at` of the poll (1 is the window list, 2 to 21 the first sample, 22 to 41 the
    // second), rekordbox stops answering, a stop is asked for, or the read takes the poll's
    // whole time: nothing more is read or published, and the deck keeps its published state.
    enum class Fault { notAnswering, stop, slow };
    const struct {
        Fault fault;
        int at;
    } cases[] = {
        {Fault::notAnswering, 5}, {Fault::notAnswering, 30}, {Fault::stop, 5},
        {Fault::stop, 30},        {Fault::slow, 5},          {Fault::slow, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.fault) << " at read " << c.at);
        Rig rig;
        ASSERT_EQ(describe(rig.poll(deck("T", "A", "0:10", "-3:20")).changedStates),
                  Texts{"deck1 A::T paused"});
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
        const auto outcome = rig.poll(deck("U", "B", "0:10", "-3:20"),
                                      deck("U", "B", "0:11", "-3:19"), stop.get_token());
        EXPECT_TRUE(outcome.active);
        EXPECT_TRUE(outcome.changedStates.empty());
        EXPECT_EQ(reads, c.at);
        EXPECT_EQ(rig.poller.lastKnownStates().at(DeckIdentifier::deck1).track->title, "T");
    }
}

TEST(DeckPoller, UnchangedDeckKeepsItsFirstObservationTime) {
    Rig rig;
    const Texts still = deck("T", "A", "0:10", "-3:20");
    const auto first = rig.poll(still);
    ASSERT_EQ(first.changedStates.size(), 1U);
    rig.poll(still);
    EXPECT_EQ(rig.poller.lastKnownStates().at(DeckIdentifier::deck1).updatedAt,
              first.changedStates[0].updatedAt);
}

TEST(DeckPoller, PairsOnlyTheFirstFourSlotsWithDecks) {
    Rig rig;
    Texts five;
    for (const char* title : {"1", "2", "3", "4", "5"}) {
        const Texts block = deck(title, "A", "0:00", "-1:00");
        five.insert(five.end(), block.begin(), block.end());
    }
    EXPECT_EQ(describe(rig.poll(five).changedStates),
              (Texts{"deck1 A::1 paused", "deck2 A::2 paused", "deck3 A::3 paused",
                     "deck4 A::4 paused"}));
    // Two blocks now: decks 3 and 4 are not touched, not even emptied.
    const Texts two = concat({deck("1", "A", "0:00", "-1:00"), deck("9", "A", "0:00", "-1:00")});
    EXPECT_EQ(describe(rig.poll(two).changedStates), Texts{"deck2 A::9 paused"});
    EXPECT_EQ(rig.poller.lastKnownStates().at(DeckIdentifier::deck3).track->title, "3");
    EXPECT_EQ(rig.poller.lastKnownStates().at(DeckIdentifier::deck4).track->title, "4");
}

TEST(DeckPoller, NewProcessIDForgetsPublishedDecksAndSignalsFirst) {
    Rig rig;
    const Texts screen =
        concat({deck("T", "A", "0:10", "-3:20"), {"Not Loaded."}, deck("U", "B", "0:00", "-4:00")});
    EXPECT_EQ(describe(rig.poll(screen).changedStates),
              (Texts{"deck1 A::T paused", "deck3 B::U paused"}));
    EXPECT_FALSE(rig.poll(screen).restarted);

    rig.platform.setRunningApplications({{kBundle, kPID + 1}});
    rig.window = rig.platform.addWindow(kPID + 1, {});
    const auto outcome = rig.poll(screen);
    EXPECT_TRUE(outcome.active);
    EXPECT_TRUE(outcome.restarted);
    // Every loaded deck again; the empty deck is not, since nothing is remembered for it.
    EXPECT_EQ(describe(outcome.changedStates), (Texts{"deck1 A::T paused", "deck3 B::U paused"}));
    EXPECT_EQ(rig.poller.lastKnownRekordboxPID(), kPID + 1);
    EXPECT_FALSE(rig.poll(screen).restarted) << "signalled once";
}

TEST(DeckPoller, RestartWithoutAWindowStillForgetsTheDecks) {
    Rig rig;
    rig.poll(deck("T", "A", "0:10", "-3:20"));
    rig.platform.setRunningApplications({{kBundle, kPID + 1}});
    const auto outcome = rig.poller.pollOnce();
    EXPECT_TRUE(outcome.restarted);
    EXPECT_TRUE(outcome.changedStates.empty());
    EXPECT_TRUE(rig.poller.lastKnownStates().empty());
}

TEST(DeckPoller, SameTrackOnTwoDecksKeepsEachDecksOwnPlayback) {
    // Pairing the n-th block of the first sample with the n-th of the second: comparing every
    // deck with the first matching block would give deck 2 deck 1's playback.
    const struct {
        const char* name;
        Texts first;
        Texts second;
        std::vector<std::string> expected;
    } cases[] = {
        {"first copy plays",
         concat({deck("T", "A", "0:10", "-3:20"),
                 {"x", "y"},
                 deck("T", "A", "0:00", "-3:30"),
                 {"z", "w"}}),
         concat({deck("T", "A", "0:11", "-3:19"),
                 {"x", "y"},
                 deck("T", "A", "0:00", "-3:30"),
                 {"z", "w"}}),
         {"deck1 A::T playing", "deck2 A::T paused"}},
        {"second copy plays",
         concat({deck("T", "A", "0:10", "-3:20"),
                 {"x", "y"},
                 deck("T", "A", "0:00", "-3:30"),
                 {"z", "w"}}),
         concat({deck("T", "A", "0:10", "-3:20"),
                 {"x", "y"},
                 deck("T", "A", "0:01", "-3:29"),
                 {"z", "w"}}),
         {"deck1 A::T paused", "deck2 A::T playing"}},
        {"a different block between the copies",
         concat({deck("T", "A", "0:10", "-3:20"),
                 deck("U", "B", "0:00", "-1:00"),
                 deck("T", "A", "0:00", "-3:30"),
                 {"z", "w"}}),
         concat({deck("T", "A", "0:10", "-3:20"),
                 deck("U", "B", "0:00", "-1:00"),
                 deck("T", "A", "0:01", "-3:29"),
                 {"z", "w"}}),
         {"deck1 A::T paused", "deck2 B::U paused", "deck3 A::T playing"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        EXPECT_EQ(describe(rig.poll(c.first, c.second).changedStates), c.expected);
    }
}

TEST(DeckPoller, CopyMissingFromTheSecondSampleKeepsItsPreviousPlayback) {
    Rig rig;
    const Texts both = concat(
        {deck("T", "A", "0:10", "-3:20"), {"x", "y"}, deck("T", "A", "0:00", "-3:30"), {"z", "w"}});
    const Texts bothPlaying = concat(
        {deck("T", "A", "0:11", "-3:19"), {"x", "y"}, deck("T", "A", "0:01", "-3:29"), {"z", "w"}});
    ASSERT_EQ(describe(rig.poll(both, bothPlaying).changedStates),
              (Texts{"deck1 A::T playing", "deck2 A::T playing"}));
    // Only one copy left in the second sample, its times still: deck 1 pauses, deck 2 has
    // no counterpart and stays playing.
    EXPECT_EQ(
        describe(
            rig.poll(both, concat({deck("T", "A", "0:10", "-3:20"), {"x", "y"}})).changedStates),
        Texts{"deck1 A::T paused"});
}

TEST(DeckPoller, ProvisionalTrackIsBuiltFromTheDeckTexts) {
    const auto key = [](int number, metadata::CamelotLetter letter) {
        return metadata::CamelotKey::make(number, letter);
    };
    const struct {
        std::string key;
        std::optional<metadata::CamelotKey> camelot;
    } cases[] = {
        {"8A", key(8, metadata::CamelotLetter::a)},    {"Am", key(8, metadata::CamelotLetter::a)},
        {"F#m", key(11, metadata::CamelotLetter::a)},  {"8a", key(8, metadata::CamelotLetter::a)},
        {" 12B", key(12, metadata::CamelotLetter::b)}, {"C", key(8, metadata::CamelotLetter::b)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Rig rig;
        const auto outcome = rig.poll({"Title", "Artist", "128.00", c.key});
        ASSERT_EQ(outcome.changedStates.size(), 1U);
        const DeckState& state = outcome.changedStates[0];
        metadata::Track expected;
        expected.id = "Artist::Title";
        expected.title = "Title";
        expected.artist = "Artist";
        expected.bpm = 128.0;
        expected.musicalKey = c.key;
        expected.camelotKey = c.camelot;
        EXPECT_EQ(state.track, expected);
        EXPECT_EQ(state.deck, DeckIdentifier::deck1);
        EXPECT_FALSE(state.isMaster);
        EXPECT_EQ(state.isOnAir, std::nullopt);
        EXPECT_EQ(state.updatedAt, rig.clock.now());
    }
}

TEST(DeckPoller, WalksStaticTextsInPreOrderDownToTheDepthLimit) {
    Fake platform;
    // A chain root -> ... with a static text at every depth, each text also a parent.
    std::vector<Fake::NodeID> chain;
    for (int depth = 0; depth <= 61; ++depth) {
        chain.push_back(platform.addStaticText("d" + std::to_string(depth)));
    }
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        platform.setAttribute(chain[i], "AXChildren", std::vector<Fake::NodeID>{chain[i + 1]});
    }
    Fake::NodeID window = platform.addElement("AXWindow", {});
    const Fake::NodeID button =
        platform.addNode({{"AXRole", std::string("AXButton")}, {"AXValue", std::string("PLAY")}});
    const Fake::NodeID noValue = platform.addNode({{"AXRole", std::string("AXStaticText")}});
    const Fake::NodeID numberValue =
        platform.addNode({{"AXRole", std::string("AXStaticText")}, {"AXValue", 1.5}});
    const Fake::NodeID numberRole =
        platform.addNode({{"AXRole", 3.0}, {"AXValue", std::string("x")}});
    const Fake::NodeID lowerRole =
        platform.addNode({{"AXRole", std::string("axstatictext")}, {"AXValue", std::string("y")}});
    const Fake::NodeID empty = platform.addStaticText("");
    const Fake::NodeID badChildren = platform.addStaticText("leaf");
    platform.setAttribute(badChildren, "AXChildren", std::string("not a list"));
    const Fake::NodeID group = platform.addElement(
        "AXGroup", {platform.addStaticText("g1"), button, platform.addStaticText("g2")});
    platform.setAttribute(button, "AXChildren",
                          std::vector<Fake::NodeID>{platform.addStaticText("inside button")});
    platform.setAttribute(window, "AXChildren",
                          std::vector<Fake::NodeID>{group, noValue, numberValue, numberRole,
                                                    lowerRole, empty, badChildren, chain[0]});
    platform.setApplication(7,
                            platform.addNode({{"AXWindows", std::vector<Fake::NodeID>{window}}}));
    const auto windows = platform.elementsAttribute(platform.applicationElement(7), "AXWindows");
    ASSERT_TRUE(windows && windows->size() == 1);

    const struct {
        std::size_t maxDepth;
        Texts expected;
    } cases[] = {
        {0, {}},
        {1, {}},
        {2, {"", "leaf", "d0"}},
        {3, {"g1", "g2", "", "leaf", "d0", "d1"}},
        {4, {"g1", "inside button", "g2", "", "leaf", "d0", "d1", "d2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxDepth);
        EXPECT_EQ(DeckPoller::collectStaticTextValues(platform, windows->front(), c.maxDepth),
                  c.expected);
    }

    // At the monitor's depth the window is depth 0, so the chain's text at depth 59 (d58,
    // one level below the window) is the deepest one read.
    const Texts full =
        *DeckPoller::collectStaticTextValues(platform, windows->front(), DeckPoller::kMaxWalkDepth);
    ASSERT_FALSE(full.empty());
    EXPECT_EQ(full.back(), "d58");
    EXPECT_EQ(full.size(), 5U + 59U);
}

} // namespace
} // namespace cuevox::decks
