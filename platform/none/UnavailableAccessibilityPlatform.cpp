#include "none/UnavailableAccessibilityPlatform.hpp"

namespace cuevox::platform {

bool UnavailableAccessibilityPlatform::isProcessTrusted() {
    return false;
}

bool UnavailableAccessibilityPlatform::requestTrust() {
    return false;
}

std::vector<decks::AccessibilityPlatform::RunningApplication>
UnavailableAccessibilityPlatform::runningApplications() {
    return {};
}

decks::AccessibilityPlatform::Element
UnavailableAccessibilityPlatform::applicationElement(ProcessID) {
    return nullptr;
}

decks::AttributeRead<std::string>
UnavailableAccessibilityPlatform::stringAttribute(const Element&, std::string_view) {
    return std::nullopt;
}

decks::AttributeRead<std::vector<decks::AccessibilityPlatform::Element>>
UnavailableAccessibilityPlatform::elementsAttribute(const Element&, std::string_view) {
    return std::nullopt;
}

} // namespace cuevox::platform
