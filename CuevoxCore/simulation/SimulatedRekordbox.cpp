#include "simulation/SimulatedRekordbox.hpp"

#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <memory>

namespace cuevox::simulation {
namespace {

constexpr std::array<std::string_view, 2> kBrowserTexts{"Collection", "Playlists"};

// Tenths of a second, so that a playing deck's texts change within any gap of 0.1 s or more.
// Capped far beyond any track, since a collection may claim any length (TotalTime="1e300").
long long tenths(double seconds) {
    constexpr double kLongest = 1e12;
    const double bounded = std::min(std::max(0.0, seconds), kLongest);
    return static_cast<long long>(std::floor(bounded * 10 + 1e-6));
}

std::string clockText(long long totalTenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld.%lld", totalTenths / 600, totalTenths / 10 % 60,
                  totalTenths % 10);
    return text;
}

} // namespace

struct SimulatedRekordbox::Node {
    std::uint64_t generation;
    NodeKind kind;
    int deck;
    int index;
    // Deck texts exist only in the shape (loaded or empty) they were made for.
    bool loaded;
};

SimulatedTrack SimulatedTrack::from(const metadata::Track& track) {
    SimulatedTrack simulated;
    simulated.title = track.title;
    simulated.artist = track.artist;
    if (track.bpm) {
        char tempo[32];
        std::snprintf(tempo, sizeof tempo, "%.2f", *track.bpm);
        simulated.tempoText = tempo;
    } else {
        simulated.tempoText = "--.--";
    }
    if (track.musicalKey && !text::isBlank(*track.musicalKey)) {
        simulated.keyText = *track.musicalKey;
    } else if (track.camelotKey) {
        simulated.keyText = track.camelotKey->toString();
    }
    simulated.duration = track.duration && *track.duration > 0 ? *track.duration : kDefaultDuration;
    return simulated;
}

SimulatedRekordbox::SimulatedRekordbox(TimeSource now) : m_now(std::move(now)) {}

void SimulatedRekordbox::schedule(std::vector<SimulationEvent> events) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    insertLocked(std::move(events));
}

void SimulatedRekordbox::scheduleRepeating(std::vector<SimulationEvent> events, double period) {
    assert(period > 0);
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    m_repeated = std::move(events);
    m_period = period;
    m_nextRound = 0;
    queueRoundLocked(m_time);
}

void SimulatedRekordbox::insertLocked(std::vector<SimulationEvent> events) {
    m_pending.insert(m_pending.end(), std::make_move_iterator(events.begin()),
                     std::make_move_iterator(events.end()));
    std::stable_sort(
        m_pending.begin(), m_pending.end(),
        [](const SimulationEvent& a, const SimulationEvent& b) { return a.at < b.at; });
}

// A round is queued once time reaches its start, so a timeline that repeats for hours holds
// one round at a time.
void SimulatedRekordbox::queueRoundLocked(double time) {
    if (m_repeated.empty() || time < m_nextRound * m_period) {
        return;
    }
    const double round = std::max(m_nextRound, std::floor(time / m_period));
    std::vector<SimulationEvent> events = m_repeated;
    for (SimulationEvent& event : events) {
        event.at += round * m_period;
    }
    insertLocked(std::move(events));
    m_nextRound = round + 1;
}

void SimulatedRekordbox::perform(SimulationEvent event) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked(&event);
}

void SimulatedRekordbox::advanceAndReportLocked(const SimulationEvent* performed) {
    const auto advance = [&] {
        advanceLocked();
        if (performed != nullptr) {
            applyLocked(*performed, m_time);
        }
    };
    if (!m_postsEvents || m_subscribers.empty()) {
        advance();
        return;
    }
    std::array<std::vector<std::string>, kDeckCount> before;
    for (int deck = 0; deck < kDeckCount; ++deck) {
        before[static_cast<std::size_t>(deck)] =
            m_running ? deckTextsLocked(deck) : std::vector<std::string>{};
    }
    const ProcessID pid = m_pid;
    advance();
    if (!m_running || pid != m_pid) {
        return;
    }
    for (int deck = 0; deck < kDeckCount; ++deck) {
        const std::vector<std::string> after = deckTextsLocked(deck);
        const std::vector<std::string>& was = before[static_cast<std::size_t>(deck)];
        for (std::size_t index = 0; index < after.size(); ++index) {
            std::optional<Event> event;
            if (was.size() != after.size()) {
                event = Event{Event::Kind::childrenChanged, makeNode(NodeKind::deck, deck, 0)};
            } else if (was[index] != after[index]) {
                event = Event{Event::Kind::valueChanged,
                              makeNode(NodeKind::deckText, deck, static_cast<int>(index))};
            }
            for (const auto& [id, subscriber] : m_subscribers) {
                if (event && subscriber.first == pid) {
                    subscriber.second(*event);
                }
            }
            if (was.size() != after.size()) {
                break;
            }
        }
    }
}

void SimulatedRekordbox::advanceLocked() {
    const double now = std::max(m_time, m_now());
    queueRoundLocked(now);
    std::size_t applied = 0;
    while (applied < m_pending.size() && m_pending[applied].at <= now) {
        const double at = std::max(m_time, m_pending[applied].at);
        settleLocked(at);
        m_time = at;
        applyLocked(m_pending[applied], at);
        ++applied;
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(applied));
    settleLocked(now);
    m_time = now;
}

double SimulatedRekordbox::positionLocked(const Deck& deck, double time) const {
    if (!deck.track) {
        return 0;
    }
    const double position = deck.playing ? deck.position + (time - deck.since) : deck.position;
    return std::min(position, deck.track->duration);
}

// A deck that reaches the end of its track stops there, as rekordbox does.
void SimulatedRekordbox::settleLocked(double time) {
    for (Deck& deck : m_decks) {
        if (deck.playing && positionLocked(deck, time) >= deck.track->duration) {
            deck.position = deck.track->duration;
            deck.playing = false;
            deck.since = time;
        }
    }
}

void SimulatedRekordbox::applyLocked(const SimulationEvent& event, double time) {
    const bool deckEvent =
        event.action == SimulationAction::load || event.action == SimulationAction::play ||
        event.action == SimulationAction::pause || event.action == SimulationAction::eject;
    if (deckEvent && (event.deck < 1 || event.deck > kDeckCount || !m_running)) {
        return;
    }
    Deck* deck = deckEvent ? &m_decks[static_cast<std::size_t>(event.deck - 1)] : nullptr;
    switch (event.action) {
    case SimulationAction::load:
        if (event.track) {
            *deck = Deck{event.track, false, 0, time};
        }
        break;
    case SimulationAction::play:
        if (deck->track && !deck->playing && deck->position < deck->track->duration) {
            deck->playing = true;
            deck->since = time;
        }
        break;
    case SimulationAction::pause:
        if (deck->playing) {
            deck->position = positionLocked(*deck, time);
            deck->playing = false;
            deck->since = time;
        }
        break;
    case SimulationAction::eject: *deck = Deck{}; break;
    case SimulationAction::quit:
        if (m_running) {
            m_running = false;
            m_decks = {};
            ++m_generation;
        }
        break;
    case SimulationAction::launch:
        if (!m_running) {
            m_running = true;
            ++m_pid;
            ++m_generation;
        }
        break;
    case SimulationAction::restart:
        applyLocked({time, SimulationAction::quit, 0, std::nullopt}, time);
        applyLocked({time, SimulationAction::launch, 0, std::nullopt}, time);
        break;
    case SimulationAction::revokeAccess: m_trusted = false; break;
    case SimulationAction::grantAccess: m_trusted = true; break;
    }
}

std::vector<std::string> SimulatedRekordbox::deckTextsLocked(int index) const {
    const Deck& deck = m_decks[static_cast<std::size_t>(index)];
    if (!deck.track) {
        return {std::string(decks::AccessibilityTrackPatternMatcher::kEmptyDeckMarker)};
    }
    const long long elapsed = tenths(positionLocked(deck, m_time));
    const long long remaining = std::max(0LL, tenths(deck.track->duration) - elapsed);
    return {deck.track->title,   deck.track->artist, deck.track->tempoText,
            deck.track->keyText, clockText(elapsed), "-" + clockText(remaining)};
}

bool SimulatedRekordbox::isRunning() {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    return m_running;
}

std::optional<decks::AccessibilityPlatform::ProcessID> SimulatedRekordbox::processIdentifier() {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    return m_running ? std::optional(m_pid) : std::nullopt;
}

std::vector<std::string> SimulatedRekordbox::windowTexts() {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    if (!m_running) {
        return {};
    }
    std::vector<std::string> texts{"rekordbox"};
    for (int deck = 0; deck < kDeckCount; ++deck) {
        const std::vector<std::string> deckTexts = deckTextsLocked(deck);
        texts.insert(texts.end(), deckTexts.begin(), deckTexts.end());
    }
    texts.insert(texts.end(), kBrowserTexts.begin(), kBrowserTexts.end());
    return texts;
}

std::vector<std::string> SimulatedRekordbox::deckTexts(int deck) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    if (!m_running || deck < 1 || deck > kDeckCount) {
        return {};
    }
    return deckTextsLocked(deck - 1);
}

bool SimulatedRekordbox::isPlaying(int deck) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    return m_running && deck >= 1 && deck <= kDeckCount &&
           m_decks[static_cast<std::size_t>(deck - 1)].playing;
}

bool SimulatedRekordbox::isProcessTrusted() {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    return m_trusted;
}

bool SimulatedRekordbox::requestTrust() {
    return isProcessTrusted();
}

std::vector<decks::AccessibilityPlatform::RunningApplication>
SimulatedRekordbox::runningApplications() {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    std::vector<RunningApplication> applications{{"com.apple.finder", 301}, {std::nullopt, 302}};
    if (m_running) {
        applications.push_back({std::string(kBundleIdentifier), m_pid});
    }
    return applications;
}

decks::AccessibilityPlatform::Element SimulatedRekordbox::makeNode(NodeKind kind, int deck,
                                                                   int index) const {
    const bool loaded = deck >= 0 && m_decks[static_cast<std::size_t>(deck)].track.has_value();
    return std::make_shared<const Node>(Node{m_generation, kind, deck, index, loaded});
}

decks::AccessibilityPlatform::Element SimulatedRekordbox::applicationElement(ProcessID pid) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    // Like the real service, any pid gives an element; one not of the running rekordbox
    // reads as nothing.
    const std::uint64_t generation =
        m_running && pid == m_pid ? m_generation : std::numeric_limits<std::uint64_t>::max();
    return std::make_shared<const Node>(Node{generation, NodeKind::application, -1, 0, false});
}

const SimulatedRekordbox::Node* SimulatedRekordbox::liveNodeLocked(const Element& element) const {
    const auto* node = static_cast<const Node*>(element.get());
    if (node == nullptr || !m_running || node->generation != m_generation) {
        return nullptr;
    }
    if (node->deck >= 0 &&
        node->loaded != m_decks[static_cast<std::size_t>(node->deck)].track.has_value()) {
        return nullptr;
    }
    return node;
}

decks::AttributeRead<std::string> SimulatedRekordbox::stringAttribute(const Element& element,
                                                                      std::string_view attribute) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    const Node* node = liveNodeLocked(element);
    if (node == nullptr) {
        return std::nullopt;
    }
    if (attribute == "AXRole") {
        switch (node->kind) {
        case NodeKind::application: return "AXApplication";
        case NodeKind::window: return "AXWindow";
        case NodeKind::deck:
        case NodeKind::browser: return "AXGroup";
        case NodeKind::deckButton: return "AXButton";
        case NodeKind::header:
        case NodeKind::deckText:
        case NodeKind::browserText: return "AXStaticText";
        }
    }
    if (attribute != "AXValue") {
        return std::nullopt;
    }
    switch (node->kind) {
    case NodeKind::header: return "rekordbox";
    case NodeKind::deckText: {
        const std::vector<std::string> texts = deckTextsLocked(node->deck);
        if (node->index >= 0 && static_cast<std::size_t>(node->index) < texts.size()) {
            return texts[static_cast<std::size_t>(node->index)];
        }
        return std::nullopt;
    }
    case NodeKind::deckButton: return "CUE";
    case NodeKind::browserText:
        return std::string(kBrowserTexts.at(static_cast<std::size_t>(node->index)));
    default: return std::nullopt;
    }
}

decks::AttributeRead<std::vector<decks::AccessibilityPlatform::Element>>
SimulatedRekordbox::elementsAttribute(const Element& element, std::string_view attribute) {
    std::lock_guard lock(m_mutex);
    advanceAndReportLocked();
    const Node* node = liveNodeLocked(element);
    if (node == nullptr) {
        return std::nullopt;
    }
    std::vector<Element> elements;
    if (node->kind == NodeKind::application && attribute == "AXWindows") {
        elements.push_back(makeNode(NodeKind::window, -1, 0));
        return elements;
    }
    if (attribute != "AXChildren") {
        return std::nullopt;
    }
    switch (node->kind) {
    case NodeKind::window:
        elements.push_back(makeNode(NodeKind::header, -1, 0));
        for (int deck = 0; deck < kDeckCount; ++deck) {
            elements.push_back(makeNode(NodeKind::deck, deck, 0));
        }
        elements.push_back(makeNode(NodeKind::browser, -1, 0));
        return elements;
    case NodeKind::deck: {
        const int count = static_cast<int>(deckTextsLocked(node->deck).size());
        for (int index = 0; index < count; ++index) {
            elements.push_back(makeNode(NodeKind::deckText, node->deck, index));
        }
        if (m_decks[static_cast<std::size_t>(node->deck)].track) {
            elements.push_back(makeNode(NodeKind::deckButton, node->deck, 0));
        }
        return elements;
    }
    case NodeKind::browser:
        for (int index = 0; index < static_cast<int>(kBrowserTexts.size()); ++index) {
            elements.push_back(makeNode(NodeKind::browserText, -1, index));
        }
        return elements;
    default: return std::nullopt;
    }
}

} // namespace cuevox::simulation

namespace cuevox::simulation {

void SimulatedRekordbox::setPostsEvents(bool posts) {
    std::lock_guard lock(m_mutex);
    m_postsEvents = posts;
}

std::unique_ptr<decks::AccessibilityPlatform::Subscription>
SimulatedRekordbox::subscribe(ProcessID processIdentifier, const Element&, EventHandler handler) {
    // Handlers run under the lock, so none runs once the subscription is gone.
    class Held final : public Subscription {
    public:
        Held(SimulatedRekordbox& rekordbox, std::uint64_t id) : m_rekordbox(rekordbox), m_id(id) {}
        ~Held() override {
            std::lock_guard lock(m_rekordbox.m_mutex);
            m_rekordbox.m_subscribers.erase(m_id);
        }

    private:
        SimulatedRekordbox& m_rekordbox;
        std::uint64_t m_id;
    };
    std::lock_guard lock(m_mutex);
    if (!m_postsEvents) {
        return nullptr;
    }
    m_subscribers.emplace(++m_lastSubscriber, std::pair(processIdentifier, std::move(handler)));
    return std::make_unique<Held>(*this, m_lastSubscriber);
}

bool SimulatedRekordbox::sameElement(const Element& a, const Element& b) {
    const auto* first = static_cast<const Node*>(a.get());
    const auto* second = static_cast<const Node*>(b.get());
    return first == second ||
           (first != nullptr && second != nullptr && first->generation == second->generation &&
            first->kind == second->kind && first->deck == second->deck &&
            first->index == second->index && first->loaded == second->loaded);
}

} // namespace cuevox::simulation
