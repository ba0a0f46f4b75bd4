#include "linux/AtspiAccessibilityPlatform.hpp"

#include <atspi/atspi.h>
#include <chrono>
#include <mutex>
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
// thread. So it gets a private context, iterated only under the lock.
class Session {
public:
    static Session& shared() {
        static Session session;
        return session;
    }

    std::unique_lock<std::mutex> enter() { return std::unique_lock(m_mutex); }

    // Messages nobody reads would pile up for as long as the program runs; once a poll is
    // enough. Call with the session entered.
    void drainLocked() {
        if (m_ready) {
            while (g_main_context_iteration(m_context, FALSE)) {
            }
        }
    }

    bool ready() const { return m_ready; }

private:
    Session() : m_context(g_main_context_new()) {
        // 0 is a fresh start, 1 an earlier one in this process; both leave AT-SPI usable.
        const int status = atspi_init();
        m_ready = status == 0 || status == 1;
        if (m_ready) {
            atspi_set_main_context(m_context);
            const auto timeout = static_cast<gint>(kCallTimeout.count());
            atspi_set_timeout(timeout, timeout);
        }
    }

    std::mutex m_mutex;
    GMainContext* m_context;
    bool m_ready = false;
};

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
        if (role == ATSPI_ROLE_LABEL || role == ATSPI_ROLE_STATIC) {
            return "AXStaticText";
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
