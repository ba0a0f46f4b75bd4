#pragma once

#include "ChildProcess.hpp"
#include "decks/AccessibilityPlatform.hpp"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace cuevox::e2e {

// Whether `platform` lists the process as rekordbox (the deck display's name mapped to it).
bool isListedAsRekordbox(decks::AccessibilityPlatform& platform, pid_t pid);

// Starts the deck display on the demo collection, taking commands on its input, with
// `arguments` added (--browser 2000, --decks 2), and returns once `platform` lists it; nothing
// when it never says it is ready or never appears. The environment's CUEVOX_DECK_DISPLAY, when
// set, names the program, so that a benchmark built from another tree drives this display.
std::unique_ptr<ChildProcess> startDeckDisplay(decks::AccessibilityPlatform& platform,
                                               std::chrono::milliseconds timeout,
                                               const std::vector<std::string>& arguments = {});

} // namespace cuevox::e2e
