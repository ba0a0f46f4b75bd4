#pragma once

#include "decks/AccessibilityPlatform.hpp"

namespace cuevox::platform {

// The backend where this system offers no way to read another application's window: never
// trusted and nothing running, so a program shows what is missing instead of decks.
class UnavailableAccessibilityPlatform final : public decks::AccessibilityPlatform {
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

} // namespace cuevox::platform
