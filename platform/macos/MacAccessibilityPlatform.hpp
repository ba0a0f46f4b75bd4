#pragma once

#include "decks/AccessibilityPlatform.hpp"

namespace cuevox::platform::macos {

// rekordbox's window through the macOS accessibility API. Elements are retained
// AXUIElementRefs released by their deleter, so a poll leaks nothing. Holds no state: the
// monitor's thread and the main thread may call it at once.
class MacAccessibilityPlatform final : public decks::AccessibilityPlatform {
public:
    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override;
    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override;
};

} // namespace cuevox::platform::macos
