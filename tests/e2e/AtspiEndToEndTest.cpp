// The whole path from a real window's labels, over a real accessibility bus, to deck states:
// the deck display simulator, the AT-SPI backend and the deck monitor, run under
// with-accessibility-session.
#include "DeckDisplayProcess.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "decks/DeckPoller.hpp"
#include "linux/AtspiAccessibilityPlatform.hpp"
#include "support/RunProcess.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <atomic>
#include <csignal>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace cuevox::e2e {
namespace {

using namespace std::chrono_literals;
using decks::AccessibilityPlatform;
using decks::DeckIdentifier;
using platform::AtspiAccessibilityPlatform;

constexpr auto kStartTimeout = 15s;
// rekordbox's window at its real size: a browser of 2,000 rows in the decks' own column order
// (title, artist, 128.00, 8A), and two decks.
const std::vector<std::string> kRealSize{"--browser", "2000", "--decks", "2"};
constexpr auto kRealSizeStartTimeout = 90s;
constexpr auto kStateTimeout = 10s;
constexpr auto kAnswerTimeout = 5000ms;
constexpr std::string_view kRekordbox = "com.pioneerdj.rekordboxdj";
const decks::DeckMonitorConfiguration kConfiguration = decks::DeckMonitorConfiguration::rekordbox();

// Two tracks of data/demo-collection.xml: one with accents, one with a classical key.
constexpr const char* kFirstID = "194966882";
constexpr const char* kFirstTitle = "Pondskashial (Dub)";
constexpr const char* kFirstArtist = "Thé Kyrbálféñds";
constexpr const char* kSecondID = "53162010";
constexpr const char* kSecondTitle = "Motion Spiral Machine (Radio Edit)";
constexpr const char* kSecondArtist = "Triall's Crew";

std::shared_ptr<AtspiAccessibilityPlatform> makePlatform() {
    return std::make_shared<AtspiAccessibilityPlatform>(
        AtspiAccessibilityPlatform::BundleIdentifiers{
            {AtspiAccessibilityPlatform::kDeckDisplayName, std::string(kRekordbox)}});
}

using Decks = std::map<DeckIdentifier, decks::DeckState>;

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// The AT-SPI backend, counting the polls done: each asks for the running applications once.
class PollCountingPlatform final : public AccessibilityPlatform {
public:
    int polls() const { return m_polls.load(); }

    bool isProcessTrusted() override { return m_platform->isProcessTrusted(); }
    bool requestTrust() override { return m_platform->requestTrust(); }
    std::vector<RunningApplication> runningApplications() override {
        ++m_polls;
        return m_platform->runningApplications();
    }
    Element applicationElement(ProcessID pid) override {
        return m_platform->applicationElement(pid);
    }
    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override {
        return m_platform->stringAttribute(element, attribute);
    }
    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override {
        return m_platform->elementsAttribute(element, attribute);
    }
    std::unique_ptr<Subscription> subscribe(ProcessID pid, const Element& application,
                                            EventHandler handler) override {
        return m_platform->subscribe(pid, application, std::move(handler));
    }

private:
    std::shared_ptr<AtspiAccessibilityPlatform> m_platform = makePlatform();
    std::atomic<int> m_polls{0};
};

// The real monitor on the real backend, and what it has published so far.
class MonitorRig {
public:
    MonitorRig() {
        // Runs on the monitor's thread as each state is queued: the polls done before its own.
        m_monitor.deckStateUpdates()->setNotifier([this] {
            std::lock_guard lock(m_mutex);
            m_pollOfState.push_back(m_platform->polls());
        });
    }

    int polls() const { return m_platform->polls(); }
    const Decks& latest() const { return m_latest; }

    // Takes states until `condition` holds for the latest one of every deck; the poll that
    // published the state that made it hold, or nothing at the timeout.
    std::optional<int> waitFor(const std::function<bool(const Decks&)>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + kStateTimeout;
        while (const auto state = m_monitor.deckStateUpdates()->waitPop({}, deadline)) {
            std::unique_lock lock(m_mutex);
            const int poll = m_pollOfState.front();
            m_pollOfState.pop_front();
            lock.unlock();
            m_latest.insert_or_assign(state->deck, *state);
            if (condition(m_latest)) {
                return poll;
            }
        }
        return std::nullopt;
    }

    bool restartSignalled(std::chrono::milliseconds timeout) {
        return m_monitor.rekordboxDidRestart()
            ->waitPop(std::stop_token(), std::chrono::steady_clock::now() + timeout)
            .has_value();
    }

private:
    std::shared_ptr<PollCountingPlatform> m_platform = std::make_shared<PollCountingPlatform>();
    std::mutex m_mutex;
    std::deque<int> m_pollOfState;
    Decks m_latest;
    // Last: stopped before the rest goes.
    decks::AccessibilityDeckMonitor m_monitor{kConfiguration, m_platform};
};

bool shows(const Decks& decks, DeckIdentifier deck, const char* title, bool playing) {
    const auto found = decks.find(deck);
    return found != decks.end() && found->second.track && found->second.track->title == title &&
           found->second.isPlaying == playing;
}

// Holds once `deck` shows the track of that title, playing or paused.
std::function<bool(const Decks&)> showing(DeckIdentifier deck, const char* title, bool playing) {
    return [=](const Decks& decks) { return shows(decks, deck, title, playing); };
}

// Shown empty; `published` when it held a track before, for only then is an empty deck sent.
bool isEmpty(const Decks& decks, DeckIdentifier deck, bool published = false) {
    const auto found = decks.find(deck);
    return found == decks.end() ? !published : !found->second.track;
}

TEST(AtspiEndToEnd, TheBackendReadsTheDisplaysLabelsInOrderAndNothingOnceItIsGone) {
    const auto platform = makePlatform();
    ASSERT_TRUE(platform->isProcessTrusted());
    auto display = startDeckDisplay(*platform, kStartTimeout);
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    ASSERT_EQ(display->request(std::string("load 1 ") + kFirstID, kAnswerTimeout), "ok");
    ASSERT_EQ(display->request(std::string("load 3 ") + kSecondID, kAnswerTimeout), "ok");
    EXPECT_EQ(display->request("load 2 0", kAnswerTimeout),
              "error: no track with ID 0 in the collection");

    const AccessibilityPlatform::Element application = platform->applicationElement(display->pid());
    ASSERT_TRUE(application);
    EXPECT_FALSE(platform->applicationElement(-1)) << "no application has that id";
    const auto windows = platform->elementsAttribute(application, "AXWindows");
    ASSERT_TRUE(windows && !windows->empty());
    const AccessibilityPlatform::Element window = windows->front();

    std::vector<std::string> texts = decks::DeckPoller::collectStaticTextValues(
                                         *platform, window, decks::DeckPoller::kMaxWalkDepth)
                                         .value_or(std::vector<std::string>{});
    std::erase(texts, "");
    const std::vector<std::string> expected{
        // clang-format off
        "rekordbox",
        "DECK 1", kFirstTitle, kFirstArtist, "92.18", "6A", "0:00.0", "-4:35.0",
        "DECK 2", "Not Loaded.",
        "DECK 3", kSecondTitle, kSecondArtist, "116.00", "F#m", "0:00.0", "-5:42.0",
        "DECK 4", "Not Loaded.",
        // clang-format on
        "1–4 deck · L load next · Space play/pause · E eject"};
    EXPECT_EQ(texts, expected);

    // A plain QWidget window: other roles keep their AT-SPI name.
    EXPECT_EQ(platform->stringAttribute(window, "AXRole"), "filler");
    EXPECT_TRUE(platform->stringAttribute(window, "AXValue"));
    EXPECT_FALSE(platform->stringAttribute(window, "AXTitle"));
    EXPECT_FALSE(platform->elementsAttribute(window, "AXParent"));

    const pid_t pid = display->pid();
    display->terminate();
    EXPECT_TRUE(eventually([&] { return !isListedAsRekordbox(*platform, pid); }, kStartTimeout));
    // Elements of a process that is gone read as nothing, and nothing crashes.
    EXPECT_FALSE(platform->elementsAttribute(window, "AXChildren"));
    EXPECT_FALSE(platform->stringAttribute(window, "AXValue"));
    EXPECT_FALSE(platform->applicationElement(pid));
}

TEST(AtspiEndToEnd, AtRealSizeTwoDecksCarryTheirTracksAndAPauseIsSeenWithinTwoPolls) {
    auto display = startDeckDisplay(*makePlatform(), kRealSizeStartTimeout, kRealSize);
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    for (const std::string& command : {std::string("load 1 ") + kFirstID,
                                       std::string("load 2 ") + kSecondID, std::string("play 1")}) {
        ASSERT_EQ(display->request(command, kAnswerTimeout), "ok") << command;
    }
    MonitorRig rig;
    ASSERT_TRUE(rig.waitFor([](const auto& decks) {
        return shows(decks, DeckIdentifier::deck1, kFirstTitle, true) &&
               shows(decks, DeckIdentifier::deck2, kSecondTitle, false);
    })) << "the two decks never showed what the display shows";

    // What the screen gave, as read from it: accents intact, a classical key converted.
    const metadata::Track& first = *rig.latest().at(DeckIdentifier::deck1).track;
    EXPECT_EQ(first.artist, kFirstArtist);
    EXPECT_EQ(first.bpm, 92.18);
    EXPECT_EQ(first.camelotKey, metadata::CamelotKey::fromString("6A"));
    const metadata::Track& second = *rig.latest().at(DeckIdentifier::deck2).track;
    EXPECT_EQ(second.artist, kSecondArtist);
    EXPECT_EQ(second.camelotKey, metadata::CamelotKey::fromString("11A"));

    const int pollAtPause = rig.polls();
    ASSERT_EQ(display->request("pause 1", kAnswerTimeout), "ok");
    const auto pollSeen = rig.waitFor(showing(DeckIdentifier::deck1, kFirstTitle, false));
    ASSERT_TRUE(pollSeen) << "the pause was never seen";
    // The poll under way when the pause came may still see the time move; the next one not.
    EXPECT_LE(*pollSeen - pollAtPause, 1);

    ASSERT_EQ(display->request("play 2", kAnswerTimeout), "ok");
    EXPECT_TRUE(rig.waitFor(showing(DeckIdentifier::deck2, kSecondTitle, true)))
        << "deck 2 never started";
    ASSERT_EQ(display->request("eject 1", kAnswerTimeout), "ok");
    EXPECT_TRUE(rig.waitFor([](const Decks& d) { return isEmpty(d, DeckIdentifier::deck1, true); }))
        << "the eject was never seen";
    // The browser's rows have the decks' shape, and none of them became a deck.
    EXPECT_EQ(rig.latest().size(), 2U);
}

// The display shows "--.--" for a track without a tempo: deck 1 all the same, not skipped so
// that deck 2's track reads as deck 1's.
TEST(AtspiEndToEnd, ADeckWithoutATempoKeepsItsNumber) {
    auto display = startDeckDisplay(*makePlatform(), kStartTimeout);
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    ASSERT_EQ(display->request("load 1 203606657", kAnswerTimeout), "ok");
    ASSERT_EQ(display->request(std::string("load 2 ") + kSecondID, kAnswerTimeout), "ok");
    MonitorRig rig;
    ASSERT_TRUE(rig.waitFor([](const Decks& decks) {
        return shows(decks, DeckIdentifier::deck1, "Station", false) &&
               shows(decks, DeckIdentifier::deck2, kSecondTitle, false);
    })) << "deck 1 without a tempo was not read as deck 1";
    EXPECT_EQ(rig.latest().at(DeckIdentifier::deck1).track->bpm, std::nullopt);
}

TEST(AtspiEndToEnd, ARestartOfTheDisplayUnderANewProcessIsSignalled) {
    const auto platform = makePlatform();
    auto display = startDeckDisplay(*platform, kRealSizeStartTimeout, kRealSize);
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    ASSERT_EQ(display->request(std::string("load 1 ") + kFirstID, kAnswerTimeout), "ok");
    MonitorRig rig;
    ASSERT_TRUE(rig.waitFor(showing(DeckIdentifier::deck1, kFirstTitle, false)));
    EXPECT_FALSE(rig.restartSignalled(0ms)) << "the first sight of rekordbox is no restart";

    const pid_t first = display->pid();
    display->terminate();
    display = startDeckDisplay(*platform, kRealSizeStartTimeout, kRealSize);
    ASSERT_TRUE(display) << "the new deck display never appeared on the accessibility bus";
    ASSERT_NE(display->pid(), first);
    EXPECT_TRUE(rig.restartSignalled(kStateTimeout)) << "no restart signal for the new process";
    ASSERT_EQ(display->request(std::string("load 1 ") + kSecondID, kAnswerTimeout), "ok");
    EXPECT_TRUE(rig.waitFor(showing(DeckIdentifier::deck1, kSecondTitle, false)))
        << "the new process's deck was never read";
}

TEST(AtspiEndToEnd, AStoppedDisplayHoldsNeitherAPollNorTheClose) {
    const auto platform = makePlatform();
    auto display = startDeckDisplay(*platform, kStartTimeout);
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    ASSERT_EQ(display->request(std::string("load 1 ") + kFirstID, kAnswerTimeout), "ok");
    auto rig = std::make_unique<MonitorRig>();
    ASSERT_TRUE(rig->waitFor(showing(DeckIdentifier::deck1, kFirstTitle, false)));
    const auto windows =
        platform->elementsAttribute(platform->applicationElement(display->pid()), "AXWindows");
    ASSERT_TRUE(windows && !windows->empty());

    // Stopped within libatspi's grace for a newly seen application, which stretched each call
    // to it to about 11 s. Each step now takes about one call timeout; the bounds are generous.
    ASSERT_EQ(::kill(display->pid(), SIGSTOP), 0);
    std::this_thread::sleep_for(300ms);
    using Clock = std::chrono::steady_clock;
    std::array<Clock::time_point, 4> at;
    at[0] = Clock::now();
    rig.reset();
    at[1] = Clock::now();
    EXPECT_EQ(decks::DeckPoller::collectStaticTextValues(*platform, windows->front(),
                                                         decks::DeckPoller::kMaxWalkDepth),
              std::nullopt);
    at[2] = Clock::now();
    decks::SystemMonitorClock clock;
    decks::DeckPoller poller(kConfiguration, *platform, clock);
    EXPECT_TRUE(poller.pollOnce().changedStates.empty());
    at[3] = Clock::now();
    ::kill(display->pid(), SIGCONT);
    for (std::size_t step = 0; step < 3; ++step) {
        EXPECT_LT(at[step + 1] - at[step], 2s)
            << std::array{"closing the monitor", "a walk", "a poll"}[step];
    }
    EXPECT_TRUE(eventually([&] { return !poller.pollOnce().changedStates.empty(); }, kStateTimeout))
        << "running again, it is read again";
}

TEST(AtspiEndToEnd, TheProbeRecordsTheWindowItsEventsAndItsDecksWithoutATitle) {
    auto display =
        startDeckDisplay(*makePlatform(), kStartTimeout, {"--browser", "20", "--decks", "2"});
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    for (const std::string& command : {std::string("load 1 ") + kFirstID, std::string("play 1")}) {
        ASSERT_EQ(display->request(command, kAnswerTimeout), "ok") << command;
    }
    const tests::TemporaryDirectory temporary;
    const std::string path = temporary.path() / "probe.json";
    ChildProcess probe({CUEVOX_CLI, "probe", "--platform", "atspi", "--seconds", "1", "--redact",
                        "--output", path});
    EXPECT_EQ(probe.readLine(30s), std::nullopt) << "nothing on stdout, and it ends";
    std::ifstream file(path);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    for (const char* shown : {kFirstTitle, kFirstArtist, "Vunstur Orbit", "rekordbox —"}) {
        EXPECT_EQ(text.find(shown), std::string::npos) << shown;
    }
    const auto document = nlohmann::json::parse(text);
    const auto& tree = document.at("tree");
    const auto value = [&](std::size_t index) { return tree.at(index).at("value"); };
    ASSERT_EQ(document.at("decks").size(), 2U);
    const auto& deck1 = document.at("decks")[0];
    const auto block = deck1.at("block").get<std::vector<std::size_t>>();
    ASSERT_EQ(block.size(), 4U);
    EXPECT_EQ(value(block[0]), 18) << "the title's length in characters";
    EXPECT_EQ(value(block[2]), "92.18");
    EXPECT_EQ(value(block[3]), "6A");
    EXPECT_EQ(value(document.at("decks")[1].at("block")[0]), "Not Loaded.");
    EXPECT_EQ(document.at("browserTexts").size(), 100U) << "20 rows of five texts";
    for (const auto& index : document.at("browserTexts")) {
        EXPECT_TRUE(tree.at(index.get<std::size_t>()).at("browser").get<bool>());
    }
    // The playing deck's times change, and the display says so.
    const auto following = deck1.at("following").get<std::vector<std::size_t>>();
    EXPECT_TRUE(std::ranges::any_of(document.at("events"), [&](const auto& event) {
        return event.at("type") == "valueChanged" && !event.at("element").is_null() &&
               event.at("element").template get<std::size_t>() == following[0];
    }));
}

// Where it cannot record, the probe says why in one line; without --output the document is
// the whole of stdout.
TEST(AtspiEndToEnd, TheProbeSaysWhyItCannotRecord) {
    auto display = startDeckDisplay(*makePlatform(), kStartTimeout, {"--decks", "2"});
    ASSERT_TRUE(display) << "the deck display never appeared on the accessibility bus";
    const std::vector<std::string> probe{CUEVOX_CLI, "probe",     "--platform",
                                         "atspi",    "--seconds", "0"};
    const auto run = [&](std::vector<std::string> more) {
        more.insert(more.begin(), probe.begin(), probe.end());
        return tests::runProcess(more);
    };
    // clang-format off
    const struct { std::vector<std::string> arguments; std::string err; } failures[] = {
        {{"--atspi-application", "Nothing"}, "cuevox-cli: rekordbox is not running: start it, load a track, and probe again\n"},
        {{"--output", "/no/such/folder/probe.json"}, "cuevox-cli: cannot write /no/such/folder/probe.json\n"},
    };
    // clang-format on
    for (const auto& failure : failures) {
        const tests::ProcessResult result = run(failure.arguments);
        EXPECT_EQ(result.exitCode, 1) << failure.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, failure.err);
    }
    const tests::ProcessResult shown = run({});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto document = nlohmann::json::parse(shown.out);
    EXPECT_EQ(document.at("platform"), "atspi");
    EXPECT_EQ(document.at("decks").size(), 2U);
}

} // namespace
} // namespace cuevox::e2e
