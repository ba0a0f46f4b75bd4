#include "ProbePlatform.hpp"

#include "decks/DeckMonitorConfiguration.hpp"

#ifdef CUEVOX_HAS_MAC
#include "macos/MacAccessibilityPlatform.hpp"
#endif
#ifdef CUEVOX_HAS_ATSPI
#include "linux/AtspiAccessibilityPlatform.hpp"
#endif

namespace cuevox::cli {

std::vector<std::string> probePlatformNames() {
    std::vector<std::string> names;
#ifdef CUEVOX_HAS_MAC
    names.emplace_back("macos");
#endif
#ifdef CUEVOX_HAS_ATSPI
    names.emplace_back("atspi");
#endif
    return names;
}

std::shared_ptr<decks::AccessibilityPlatform>
makeProbePlatform([[maybe_unused]] const std::string& name,
                  [[maybe_unused]] const std::string& atspiApplication) {
#ifdef CUEVOX_HAS_MAC
    if (name == "macos") {
        return std::make_shared<platform::macos::MacAccessibilityPlatform>();
    }
#endif
#ifdef CUEVOX_HAS_ATSPI
    if (name == "atspi") {
        return std::make_shared<platform::AtspiAccessibilityPlatform>(
            platform::AtspiAccessibilityPlatform::BundleIdentifiers{
                {atspiApplication, decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier}});
    }
#endif
    return nullptr;
}

} // namespace cuevox::cli
