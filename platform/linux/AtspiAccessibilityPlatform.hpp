#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <map>
#include <string>

namespace cuevox::platform {

// The accessibility seam over AT-SPI. An application's accessible name stands in for the
// bundle identifier through the table given at construction; unmapped names have none.
// Trust is the accessibility bus being reachable. Safe to call from any thread: every call
// into AT-SPI, from every instance, is serialised. Roles are AT-SPI's names but for labels
// (AXStaticText) and tables, tree tables, rows and cells (AXTable, AXOutline, AXRow, AXCell).
class AtspiAccessibilityPlatform final : public decks::AccessibilityPlatform {
public:
    using BundleIdentifiers = std::map<std::string, std::string, std::less<>>;

    // The name under which the deck display simulator shows itself.
    static constexpr const char* kDeckDisplayName = "cuevox-deck-display";

    explicit AtspiAccessibilityPlatform(BundleIdentifiers bundleIdentifiers);

    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    decks::AttributeRead<std::string> stringAttribute(const Element& element,
                                                      std::string_view attribute) override;
    decks::AttributeRead<std::vector<Element>>
    elementsAttribute(const Element& element, std::string_view attribute) override;
    // The application's name changes and changes of children, from a thread of the
    // subscription's own.
    std::unique_ptr<Subscription> subscribe(ProcessID processIdentifier, const Element& application,
                                            EventHandler handler) override;

private:
    BundleIdentifiers m_bundleIdentifiers;
};

} // namespace cuevox::platform
