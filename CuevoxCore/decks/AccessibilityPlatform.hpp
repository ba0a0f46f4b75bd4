#pragma once

#include <cstdint>
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
};

} // namespace cuevox::decks
