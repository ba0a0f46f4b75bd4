#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <map>
#include <string>

namespace cuevox::platform {

// The accessibility seam over AT-SPI. An application's accessible name stands in for the
// bundle identifier through the table given at construction; unmapped names have none.
class AtspiAccessibilityPlatform final : public decks::AccessibilityPlatform {
public:
    explicit AtspiAccessibilityPlatform(std::map<std::string, std::string> bundleIdentifiers);

    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    std::optional<std::string> stringAttribute(const Element& element,
                                               std::string_view attribute) override;
    std::optional<std::vector<Element>> elementsAttribute(const Element& element,
                                                          std::string_view attribute) override;

private:
    std::map<std::string, std::string> m_bundleIdentifiers;
    bool m_initialised = false;
};

} // namespace cuevox::platform
