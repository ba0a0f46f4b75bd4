#pragma once

#include "decks/AccessibilityPlatform.hpp"

namespace cuevox::platform::macos {

// rekordbox's window through the macOS accessibility API. Elements are retained
// AXUIElementRefs released by their deleter, so a poll leaks nothing. Holds no state: the
// monitor's thread and the main thread may call it at once.
class MacAccessibilityPlatform final : public decks::AccessibilityPlatform {
public:
    // How long one read waits for an application that does not answer, instead of the
    // system's six seconds: a hung rekordbox must not hold up a poll, or the monitor's stop.
    static constexpr float kMessagingTimeoutSeconds = 0.5f;

    // Sets that timeout for the whole process.
    MacAccessibilityPlatform();

    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override;
    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override;
    // One AXObserver for the process, served on a thread of its own.
    std::unique_ptr<Subscription> subscribe(ProcessID processIdentifier, const Element& application,
                                            EventHandler handler) override;
    // Two AXUIElementRefs of one element are not one object: CFEqual tells.
    bool sameElement(const Element& a, const Element& b) override;
};

} // namespace cuevox::platform::macos
