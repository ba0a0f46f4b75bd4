#pragma once

#include "ChildProcess.hpp"
#include "decks/AccessibilityPlatform.hpp"

#include <chrono>
#include <memory>

namespace cuevox::e2e {

// Whether `platform` lists the process as rekordbox (the deck display's name mapped to it).
bool isListedAsRekordbox(decks::AccessibilityPlatform& platform, pid_t pid);

// Starts the deck display on the demo collection, taking commands on its input, and returns
// once `platform` lists it; nothing when it never says it is ready or never appears.
std::unique_ptr<ChildProcess> startDeckDisplay(decks::AccessibilityPlatform& platform,
                                               std::chrono::milliseconds timeout);

} // namespace cuevox::e2e
