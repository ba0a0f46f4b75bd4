#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::decks {

// What the deck monitor needs from the operating system: the accessibility trust check, the
// running applications, and attribute reads on accessibility elements. Backends: the real
// one of the platform, an in-memory fake for tests, and a simulated rekordbox.
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
    // type; every failure is absence, never an error.
    virtual std::optional<std::string> stringAttribute(const Element& element,
                                                       std::string_view attribute) = 0;
    virtual std::optional<std::vector<Element>> elementsAttribute(const Element& element,
                                                                  std::string_view attribute) = 0;
};

} // namespace cuevox::decks
