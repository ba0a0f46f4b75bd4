#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::decks {

// What an attribute read gives: the value, or nothing. Nothing is ordinary (no such attribute,
// a value of another type, an element that is gone) unless the read says that the application
// did not answer in time; the walk then ends at once and that poll reads as no window.
template <typename T>
class AttributeRead : public std::optional<T> {
public:
    using std::optional<T>::optional;
    AttributeRead(std::optional<T> value) : std::optional<T>(std::move(value)) {}

    static AttributeRead notAnswering() {
        AttributeRead read;
        read.m_notAnswering = true;
        return read;
    }

    bool isNotAnswering() const { return m_notAnswering; }

private:
    bool m_notAnswering = false;
};

// What the deck monitor needs from the operating system: the accessibility trust check, the
// running applications, and attribute reads on accessibility elements. Backends: the system's
// own or none (platform/), a simulated rekordbox, and the tests' in-memory fake.
class AccessibilityPlatform {
public:
    // An opaque handle owned by the backend (on macOS a retained AXUIElementRef); copying it
    // shares the element.
    using Element = std::shared_ptr<const void>;
    using ProcessID = std::int32_t;

    struct RunningApplication {
        std::optional<std::string> bundleIdentifier;
        ProcessID processIdentifier = 0;

        bool operator==(const RunningApplication&) const = default;
    };

    // A change the application reports by itself, so that a reader need not wait for its next
    // look: AT-SPI's accessible-name and children-changed events, macOS's AXObserver
    // notifications.
    struct Event {
        enum class Kind {
            // The element's value or name changed.
            valueChanged,
            // The element gained or lost children.
            childrenChanged,
            created,
            destroyed,
        };
        Kind kind = Kind::valueChanged;
        // Null when the backend could not say which element.
        Element element;
    };
    using EventHandler = std::function<void(Event)>;

    // Delivers events while it lives; destroying it unsubscribes, and no handler runs after.
    class Subscription {
    public:
        virtual ~Subscription() = default;
        // Asks again for what a busy application refused; called once a poll.
        virtual void retry() {}
    };

    virtual ~AccessibilityPlatform() = default;

    // Whether this process may read other applications' accessibility trees.
    virtual bool isProcessTrusted() = 0;
    // The same check, asking the system to show its permission prompt when not trusted.
    virtual bool requestTrust() = 0;

    virtual std::vector<RunningApplication> runningApplications() = 0;

    // The root element of an application; null when the backend cannot make one.
    virtual Element applicationElement(ProcessID processIdentifier) = 0;

    // Attribute reads are present only when the read succeeds and the value has the asked
    // type; every failure is absence, never an error. A read that could not complete because
    // the application is not answering returns AttributeRead::notAnswering() (macOS: the error
    // kAXErrorCannotComplete under a short messaging timeout; AT-SPI: no reply in time).
    virtual AttributeRead<std::string> stringAttribute(const Element& element,
                                                       std::string_view attribute) = 0;
    virtual AttributeRead<std::vector<Element>> elementsAttribute(const Element& element,
                                                                  std::string_view attribute) = 0;

    // Subscribes to the changes the application reports. `handler` runs on a thread of the
    // backend's, so it must be quick and must not call back into this platform (it may drop
    // the event). Nothing when the backend has no events or the application cannot be
    // watched: events are a bonus, never a dependency.
    virtual std::unique_ptr<Subscription> subscribe(ProcessID /*processIdentifier*/,
                                                    const Element& /*application*/,
                                                    EventHandler /*handler*/) {
        return nullptr;
    }

    // Whether two handles stand for the same element. Backends whose handles are not unique
    // per element (macOS) compare them their own way.
    virtual bool sameElement(const Element& a, const Element& b) { return a == b; }
};

} // namespace cuevox::decks
