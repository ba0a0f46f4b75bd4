#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <vector>

namespace cuevox::platform::macos {

// The running applications that have a process, from NSWorkspace; callable from any thread.
std::vector<decks::AccessibilityPlatform::RunningApplication> runningApplications();

} // namespace cuevox::platform::macos
