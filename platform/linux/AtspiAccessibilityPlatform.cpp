#include "linux/AtspiAccessibilityPlatform.hpp"

#include <array>
#include <atomic>
#include <atspi/atspi.h>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace cuevox::platform {
namespace {

using Element = decks::AccessibilityPlatform::Element;
using Clock = std::chrono::steady_clock;

// libatspi waits 0.8 s for an answer, and up to 15 s for an application it has only just seen;
// a stopped application would hold each read, and every thread waiting for the session's lock,
// that long. An answer takes well under a millisecond.
constexpr std::chrono::milliseconds kCallTimeout{250};
// libatspi does not report every timeout as an error (a property read that gets no reply
// gives nothing, or an empty name), so a call that took most of its timeout counts as one.
constexpr std::chrono::milliseconds kUnansweredAfter = kCallTimeout * 4 / 5;

// libatspi is one process-wide client that is not thread-safe, and it would otherwise deliver
// the bus's messages on the default main context, which the Qt event loop runs on another
// thread. So it gets a private context, iterated only under the lock. The lock is recursive:
// an event handler may release an element, and releasing takes the lock.
class Session {
public:
    // The lock, and on leaving it a nudge to the event threads when a call left messages read
    // from the bus but not yet dispatched: those no longer make the bus's socket readable.
    class Entered {
    public:
        explicit Entered(Session& session)
            : m_session(session), m_lock(session.m_mutex, std::defer_lock) {
            ++session.m_waiting;
            m_lock.lock();
            {
                const std::lock_guard turn(session.m_turnMutex);
                --session.m_waiting;
            }
            session.m_turn.notify_all();
        }
        ~Entered() {
            if (m_session.m_listening > 0 && m_session.dispatchWaiting()) {
                m_session.nudge();
            }
        }
        Entered(const Entered&) = delete;
        Entered& operator=(const Entered&) = delete;

    private:
        Session& m_session;
        std::unique_lock<std::recursive_mutex> m_lock;
    };

    static Session& shared() {
        static Session session;
        return session;
    }

    Entered enter() { return Entered(*this); }

    // Messages nobody reads would pile up for as long as the program runs, so each poll and
    // each event thread dispatches them. Bounded, so that a flood of events never holds the
    // lock for long. Call with the session entered.
    void drainLocked() {
        for (int turn = 0; m_ready && turn < kDispatchTurns; ++turn) {
            if (!g_main_context_iteration(m_context, FALSE)) {
                return;
            }
        }
    }

    bool ready() const { return m_ready; }

    // For the event threads, between two dispatches: a reader waiting for the lock gets it
    // first, so that a flood of events never holds a poll's reads back for long.
    void letReadersIn(std::stop_token stop) {
        std::unique_lock turn(m_turnMutex);
        m_turn.wait(turn, stop, [this] { return m_waiting.load() == 0; });
    }

    // For the event threads: the socket to the bus, and the eventfd that nudge() signals.
    int busSocket() {
        int socket = -1;
        const Entered entered(*this);
        if (!m_ready || !dbus_connection_get_unix_fd(atspi_get_a11y_bus(), &socket)) {
            return -1;
        }
        return socket;
    }
    int nudges() const { return m_nudges; }
    void startListening() { ++m_listening; }
    void stopListening() { --m_listening; }
    bool dispatchWaiting() {
        return m_ready && dbus_connection_get_dispatch_status(atspi_get_a11y_bus()) ==
                              DBUS_DISPATCH_DATA_REMAINS;
    }
    void nudge() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(m_nudges, &one, sizeof one);
    }

private:
    static constexpr int kDispatchTurns = 64;

    Session()
        : m_context(g_main_context_new()), m_nudges(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
        // 0 is a fresh start, 1 an earlier one in this process; both leave AT-SPI usable.
        const int status = atspi_init();
        m_ready = status == 0 || status == 1;
        if (m_ready) {
            atspi_set_main_context(m_context);
            const auto timeout = static_cast<gint>(kCallTimeout.count());
            atspi_set_timeout(timeout, timeout);
        }
    }

    std::recursive_mutex m_mutex;
    std::atomic<int> m_waiting{0};
    std::mutex m_turnMutex;
    std::condition_variable_any m_turn;
    GMainContext* m_context;
    int m_nudges;
    // Event threads running; touched under the lock.
    int m_listening = 0;
    bool m_ready = false;
};

// The roles the deck monitor tells apart, by their macOS names; the others keep AT-SPI's.
const char* axRoleName(AtspiRole role) {
    switch (role) {
    case ATSPI_ROLE_LABEL:
    case ATSPI_ROLE_STATIC: return "AXStaticText";
    case ATSPI_ROLE_TABLE: return "AXTable";
    case ATSPI_ROLE_TREE_TABLE: return "AXOutline";
    case ATSPI_ROLE_TABLE_ROW: return "AXRow";
    case ATSPI_ROLE_TABLE_CELL: return "AXCell";
    default: return nullptr;
    }
}

// Takes over one reference; the last copy of the element gives it back.
Element adopt(AtspiAccessible* accessible) {
    if (accessible == nullptr) {
        return nullptr;
    }
    return Element(accessible, [](const void* object) {
        // The reference may be the last one: unref under the same lock as every other call.
        const auto lock = Session::shared().enter();
        g_object_unref(const_cast<void*>(object));
    });
}

AtspiAccessible* raw(const Element& element) {
    return static_cast<AtspiAccessible*>(const_cast<void*>(element.get()));
}

// Every failed call is an absent value; the error is only freed.
bool failed(GError*& error) {
    if (error == nullptr) {
        return false;
    }
    g_error_free(error);
    error = nullptr;
    return true;
}

std::optional<std::string> takeString(gchar* text, GError*& error) {
    if (failed(error) || text == nullptr) {
        g_free(text);
        return std::nullopt;
    }
    std::string value(text);
    g_free(text);
    return value;
}

// Names and children are read live: a deck's texts change many times a second, faster than
// the cache would hear of it. A role never changes, so it is asked once per element.
AtspiAccessible* desktop() {
    AtspiAccessible* desktop = atspi_get_desktop(0);
    if (desktop != nullptr) {
        atspi_accessible_set_cache_mask(
            desktop, static_cast<AtspiCache>(ATSPI_CACHE_ROLE | ATSPI_CACHE_INTERFACES));
    }
    return desktop;
}

void unrefAll(std::vector<AtspiAccessible*>& accessibles) {
    for (AtspiAccessible* accessible : accessibles) {
        g_object_unref(accessible);
    }
    accessibles.clear();
}

// Runs one call over the bus and tells whether it ran into the call timeout.
template <typename Call>
auto timed(Call call, bool& ranOut) {
    const auto start = Clock::now();
    auto result = call();
    ranOut = Clock::now() - start >= kUnansweredAfter;
    return result;
}

// The children in order, or nothing when the count cannot be read. Raw references: the
// caller adopts them once the lock is released.
decks::AttributeRead<std::vector<AtspiAccessible*>> children(AtspiAccessible* accessible) {
    GError* error = nullptr;
    bool ranOut = false;
    const gint count =
        timed([&] { return atspi_accessible_get_child_count(accessible, &error); }, ranOut);
    if (failed(error) || count < 0 || ranOut) {
        return ranOut ? decks::AttributeRead<std::vector<AtspiAccessible*>>::notAnswering()
                      : std::nullopt;
    }
    std::vector<AtspiAccessible*> elements;
    elements.reserve(static_cast<std::size_t>(count));
    for (gint index = 0; index < count; ++index) {
        AtspiAccessible* child = timed(
            [&] { return atspi_accessible_get_child_at_index(accessible, index, &error); }, ranOut);
        if (ranOut) {
            failed(error);
            if (child != nullptr) {
                g_object_unref(child);
            }
            unrefAll(elements);
            return decks::AttributeRead<std::vector<AtspiAccessible*>>::notAnswering();
        }
        if (failed(error) || child == nullptr) {
            continue;
        }
        elements.push_back(child);
    }
    return elements;
}

std::optional<decks::AccessibilityPlatform::ProcessID> processID(AtspiAccessible* application) {
    GError* error = nullptr;
    const guint pid = atspi_accessible_get_process_id(application, &error);
    if (failed(error)) {
        return std::nullopt;
    }
    return static_cast<decks::AccessibilityPlatform::ProcessID>(pid);
}

// The desktop's applications, each with a reference of its own; empty when AT-SPI is not up.
// Call with the session entered.
std::vector<AtspiAccessible*> applicationsLocked(const Session& session) {
    if (!session.ready()) {
        return {};
    }
    AtspiAccessible* root = desktop();
    if (root == nullptr) {
        return {};
    }
    std::vector<AtspiAccessible*> found = children(root).value_or(std::vector<AtspiAccessible*>{});
    g_object_unref(root);
    return found;
}

constexpr std::array<const char*, 2> kEventTypes{"object:property-change:accessible-name",
                                                 "object:children-changed"};

// Events of one application, dispatched on a thread of its own that sleeps in poll() on the
// bus's socket and takes the session's lock only to dispatch what arrived.
class AtspiSubscription final : public decks::AccessibilityPlatform::Subscription {
public:
    using EventHandler = decks::AccessibilityPlatform::EventHandler;

    static std::unique_ptr<AtspiSubscription> make(AtspiAccessible* application,
                                                   EventHandler handler) {
        Session& session = Session::shared();
        const int socket = session.busSocket();
        const int stop = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (socket < 0 || stop < 0 || application->parent.app == nullptr ||
            application->parent.app->bus_name == nullptr) {
            if (stop >= 0) {
                ::close(stop);
            }
            return nullptr;
        }
        return std::unique_ptr<AtspiSubscription>(
            new AtspiSubscription(application, std::move(handler), socket, stop));
    }

    ~AtspiSubscription() override {
        m_thread.request_stop();
        m_thread.join();
        {
            const auto lock = Session::shared().enter();
            for (const char* type : kEventTypes) {
                GError* error = nullptr;
                atspi_event_listener_deregister(m_listener, type, &error);
                failed(error);
            }
            g_object_unref(m_listener);
            Session::shared().stopListening();
        }
        ::close(m_stop);
    }

private:
    AtspiSubscription(AtspiAccessible* application, EventHandler handler, int socket, int stop)
        : m_handler(std::move(handler)), m_busName(application->parent.app->bus_name),
          m_socket(socket), m_stop(stop) {
        const auto lock = Session::shared().enter();
        Session::shared().startListening();
        m_listener = atspi_event_listener_new(&AtspiSubscription::deliver, this, nullptr);
        // Only this application's events reach the bus's socket; and only once a listener is
        // registered do Qt's labels send their changes at all.
        for (const char* type : kEventTypes) {
            GError* error = nullptr;
            atspi_event_listener_register_with_app(m_listener, type, nullptr, application, &error);
            failed(error);
        }
        m_thread = std::jthread([this](std::stop_token stop) { listen(std::move(stop)); });
    }

    void listen(std::stop_token stop) {
        const std::stop_callback wake(stop, [this] {
            const std::uint64_t one = 1;
            [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
        });
        Session& session = Session::shared();
        std::array<pollfd, 3> watched{
            {{m_socket, POLLIN, 0}, {session.nudges(), POLLIN, 0}, {m_stop, POLLIN, 0}}};
        while (!stop.stop_requested()) {
            if (::poll(watched.data(), watched.size(), -1) < 0 && errno != EINTR) {
                return;
            }
            std::uint64_t count = 0;
            [[maybe_unused]] const auto read = ::read(session.nudges(), &count, sizeof count);
            if (stop.stop_requested()) {
                return;
            }
            {
                const auto lock = session.enter();
                session.drainLocked();
            }
            session.letReadersIn(stop);
        }
    }

    // Runs under the session's lock, on whichever thread dispatches; owns the event.
    static void deliver(AtspiEvent* event, void* self) {
        auto* subscription = static_cast<AtspiSubscription*>(self);
        AtspiAccessible* source = event->source;
        const bool ours = source != nullptr && source->parent.app != nullptr &&
                          source->parent.app->bus_name != nullptr &&
                          subscription->m_busName == source->parent.app->bus_name;
        if (ours) {
            using Kind = decks::AccessibilityPlatform::Event::Kind;
            const Kind kind = std::strncmp(event->type, "object:children-changed", 23) == 0
                                  ? Kind::childrenChanged
                                  : Kind::valueChanged;
            subscription->m_handler(
                {kind, adopt(static_cast<AtspiAccessible*>(g_object_ref(source)))});
        }
        g_boxed_free(ATSPI_TYPE_EVENT, event);
    }

    EventHandler m_handler;
    std::string m_busName;
    int m_socket;
    int m_stop;
    AtspiEventListener* m_listener = nullptr;
    // Last: stopped and joined before the rest goes.
    std::jthread m_thread;
};

} // namespace

AtspiAccessibilityPlatform::AtspiAccessibilityPlatform(BundleIdentifiers bundleIdentifiers)
    : m_bundleIdentifiers(std::move(bundleIdentifiers)) {
    Session::shared();
}

bool AtspiAccessibilityPlatform::isProcessTrusted() {
    Session& session = Session::shared();
    const auto lock = session.enter();
    if (!session.ready()) {
        return false;
    }
    AtspiAccessible* root = desktop();
    if (root == nullptr) {
        return false;
    }
    // The desktop object always exists locally; only a call over the bus proves the bus.
    GError* error = nullptr;
    atspi_accessible_get_child_count(root, &error);
    g_object_unref(root);
    return !failed(error);
}

bool AtspiAccessibilityPlatform::requestTrust() {
    return isProcessTrusted();
}

std::vector<decks::AccessibilityPlatform::RunningApplication>
AtspiAccessibilityPlatform::runningApplications() {
    std::vector<RunningApplication> applications;
    Session& session = Session::shared();
    const auto lock = session.enter();
    // Once per poll: the monitor asks for the applications first.
    session.drainLocked();
    std::vector<AtspiAccessible*> found = applicationsLocked(session);
    const auto self = static_cast<ProcessID>(::getpid());
    for (AtspiAccessible* application : found) {
        const std::optional<ProcessID> pid = processID(application);
        if (!pid) {
            continue;
        }
        RunningApplication running;
        running.processIdentifier = *pid;
        GError* error = nullptr;
        // This process's name is answered by its own main thread, which may be the one waiting
        // for this call (closing joins the monitor), and it is never the decks' application.
        if (*pid == self) {
            applications.push_back(std::move(running));
            continue;
        }
        if (const std::optional<std::string> name =
                takeString(atspi_accessible_get_name(application, &error), error)) {
            if (const auto mapped = m_bundleIdentifiers.find(*name);
                mapped != m_bundleIdentifiers.end()) {
                running.bundleIdentifier = mapped->second;
            }
        }
        applications.push_back(std::move(running));
    }
    unrefAll(found);
    return applications;
}

decks::AccessibilityPlatform::Element
AtspiAccessibilityPlatform::applicationElement(ProcessID processIdentifier) {
    AtspiAccessible* match = nullptr;
    {
        Session& session = Session::shared();
        const auto lock = session.enter();
        std::vector<AtspiAccessible*> found = applicationsLocked(session);
        for (AtspiAccessible* application : found) {
            if (match == nullptr && processID(application) == processIdentifier) {
                match = static_cast<AtspiAccessible*>(g_object_ref(application));
            }
        }
        unrefAll(found);
    }
    return adopt(match);
}

decks::AttributeRead<std::string>
AtspiAccessibilityPlatform::stringAttribute(const Element& element, std::string_view attribute) {
    if (!element) {
        return std::nullopt;
    }
    const auto lock = Session::shared().enter();
    GError* error = nullptr;
    bool ranOut = false;
    if (attribute == "AXRole") {
        const AtspiRole role =
            timed([&] { return atspi_accessible_get_role(raw(element), &error); }, ranOut);
        if (failed(error) || ranOut) {
            return ranOut ? decks::AttributeRead<std::string>::notAnswering() : std::nullopt;
        }
        if (const char* name = axRoleName(role)) {
            return name;
        }
        // The role's name from the library's own table: no second call over the bus.
        return takeString(atspi_role_get_name(role), error);
    }
    // A label's accessible name is the text it shows, in Qt and GTK alike.
    if (attribute == "AXValue") {
        gchar* name =
            timed([&] { return atspi_accessible_get_name(raw(element), &error); }, ranOut);
        if (ranOut) {
            failed(error);
            g_free(name);
            return decks::AttributeRead<std::string>::notAnswering();
        }
        return takeString(name, error);
    }
    return std::nullopt;
}

std::unique_ptr<decks::AccessibilityPlatform::Subscription>
AtspiAccessibilityPlatform::subscribe(ProcessID, const Element& application, EventHandler handler) {
    if (!application || !Session::shared().ready()) {
        return nullptr;
    }
    return AtspiSubscription::make(raw(application), std::move(handler));
}

decks::AttributeRead<std::vector<decks::AccessibilityPlatform::Element>>
AtspiAccessibilityPlatform::elementsAttribute(const Element& element, std::string_view attribute) {
    if (!element || (attribute != "AXWindows" && attribute != "AXChildren")) {
        return std::nullopt;
    }
    decks::AttributeRead<std::vector<AtspiAccessible*>> found;
    {
        const auto lock = Session::shared().enter();
        found = children(raw(element));
    }
    if (found.isNotAnswering()) {
        return decks::AttributeRead<std::vector<Element>>::notAnswering();
    }
    if (!found) {
        return std::nullopt;
    }
    std::vector<Element> elements;
    elements.reserve(found->size());
    for (AtspiAccessible* child : *found) {
        elements.push_back(adopt(child));
    }
    return elements;
}

} // namespace cuevox::platform
