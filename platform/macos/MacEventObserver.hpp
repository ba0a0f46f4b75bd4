#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <memory>

namespace cuevox::platform::macos {

// The events of one rekordbox process: one AXObserver registered on its application element
// for value and title changes and for elements created and destroyed, whose run-loop source
// a thread of its own serves with a CFRunLoop. The handler runs on that thread.
std::unique_ptr<decks::AccessibilityPlatform::Subscription>
observeApplication(decks::AccessibilityPlatform::ProcessID processIdentifier,
                   const decks::AccessibilityPlatform::Element& application,
                   decks::AccessibilityPlatform::EventHandler handler);

} // namespace cuevox::platform::macos
