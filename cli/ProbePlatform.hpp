#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <memory>
#include <string>
#include <vector>

namespace cuevox::cli {

// The accessibility backends this build has, by the names --platform takes; the first is the
// system's own.
std::vector<std::string> probePlatformNames();

// The backend of that name. On AT-SPI the application whose accessible name is
// `atspiApplication` stands for rekordbox.
std::shared_ptr<decks::AccessibilityPlatform>
makeProbePlatform(const std::string& name, const std::string& atspiApplication);

} // namespace cuevox::cli
