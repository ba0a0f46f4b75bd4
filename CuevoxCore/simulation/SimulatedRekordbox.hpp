#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "metadata/Track.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::simulation {

// What a simulated deck shows for a track.
struct SimulatedTrack {
    std::string title;
    std::string artist;
    // As rekordbox writes it: "128.00"; "--.--" when the collection has no tempo.
    std::string tempoText;
    // The collection's key text, else its Camelot key, else nothing.
    std::string keyText;
    double duration = 0;

    // Tracks without a length play for five minutes.
    static constexpr double kDefaultDuration = 300;

    static SimulatedTrack from(const metadata::Track& track);

    bool operator==(const SimulatedTrack&) const = default;
};

enum class SimulationAction {
    load,
    play,
    pause,
    eject,
    quit,
    launch,
    restart,
    revokeAccess,
    grantAccess
};

// One step of a timeline: at `at` seconds, do `action` on `deck` (1 to 4, where it applies).
struct SimulationEvent {
    double at = 0;
    SimulationAction action = SimulationAction::play;
    int deck = 0;
    // For load only.
    std::optional<SimulatedTrack> track;

    bool operator==(const SimulationEvent&) const = default;
};

// A deterministic stand-in for rekordbox's window: four decks whose elapsed and remaining
// times advance while they play, a process that can quit and come back under a new id, and
// a timeline of events applied as time reaches them. Time comes from the caller, so a test
// can move it by hand and a demo can follow the wall clock.
class SimulatedRekordbox final : public decks::AccessibilityPlatform {
public:
    // Seconds since the simulation began; must not go backwards.
    using TimeSource = std::function<double()>;

    static constexpr std::string_view kBundleIdentifier = "com.pioneerdj.rekordboxdj";
    static constexpr ProcessID kFirstPID = 4100;
    static constexpr int kDeckCount = 4;

    // Starts running under kFirstPID with four empty decks and access granted.
    explicit SimulatedRekordbox(TimeSource now);

    // Events take effect once time reaches them, in time order; equal times keep the order
    // given. An event for a deck outside 1 to 4, or a load without a track, is ignored.
    void schedule(std::vector<SimulationEvent> events);
    // Plays `events` again and again, from the round under way now on: round n at their times
    // plus n * `period` (more than 0). A round that time jumps past whole, as after the machine
    // slept, is skipped. Replaces any timeline repeated before.
    void scheduleRepeating(std::vector<SimulationEvent> events, double period);
    // Applies the event now, whatever its time says.
    void perform(SimulationEvent event);

    bool isRunning();
    std::optional<ProcessID> processIdentifier();
    // The window's static texts in tree order, as a walk of the window would read them now.
    std::vector<std::string> windowTexts();
    // What deck 1 to 4 shows now, as in the window: six texts for a track, "Not Loaded."
    // for an empty deck; nothing for another deck or while not running.
    std::vector<std::string> deckTexts(int deck);
    bool isPlaying(int deck);

    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override;
    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override;

    // Reports each change of a deck's texts, as it is seen (time moves when the simulation is
    // asked anything): off until asked for, so that a scripted run stays the same.
    void setPostsEvents(bool posts);
    std::unique_ptr<Subscription> subscribe(ProcessID processIdentifier, const Element& application,
                                            EventHandler handler) override;
    // Elements are made anew at each read: the same deck text is the same element.
    bool sameElement(const Element& a, const Element& b) override;

private:
    struct Deck {
        std::optional<SimulatedTrack> track;
        bool playing = false;
        // Position in seconds at `since`; while playing it grows with time from there.
        double position = 0;
        double since = 0;
    };
    enum class NodeKind {
        application,
        window,
        header,
        deck,
        deckText,
        deckButton,
        browser,
        browserText
    };
    struct Node;

    void advanceLocked();
    // Advances (and applies `performed`), then reports what changed on the decks.
    void advanceAndReportLocked(const SimulationEvent* performed = nullptr);
    void insertLocked(std::vector<SimulationEvent> events);
    void queueRoundLocked(double time);
    void settleLocked(double time);
    void applyLocked(const SimulationEvent& event, double time);
    double positionLocked(const Deck& deck, double time) const;
    std::vector<std::string> deckTextsLocked(int deck) const;
    const Node* liveNodeLocked(const Element& element) const;
    Element makeNode(NodeKind kind, int deck, int index) const;

    TimeSource m_now;
    std::mutex m_mutex;
    double m_time = 0;
    std::vector<SimulationEvent> m_pending;
    std::vector<SimulationEvent> m_repeated;
    double m_period = 0;
    double m_nextRound = 0;
    std::array<Deck, kDeckCount> m_decks;
    bool m_running = true;
    bool m_trusted = true;
    ProcessID m_pid = kFirstPID;
    // Elements made before a quit belong to the old process and read as nothing after it.
    std::uint64_t m_generation = 0;
    bool m_postsEvents = false;
    std::map<std::uint64_t, std::pair<ProcessID, EventHandler>> m_subscribers;
    std::uint64_t m_lastSubscriber = 0;
};

} // namespace cuevox::simulation
