#include "MacAccessibilityPlatform.hpp"

#import <AppKit/AppKit.h>

namespace cuevox::platform::macos {

std::vector<decks::AccessibilityPlatform::RunningApplication> runningApplications() {
    std::vector<decks::AccessibilityPlatform::RunningApplication> applications;
    // Called from the monitor's thread, which has no pool of its own.
    @autoreleasepool {
        for (NSRunningApplication* application in NSWorkspace.sharedWorkspace.runningApplications) {
            decks::AccessibilityPlatform::RunningApplication entry;
            if (NSString* bundle = application.bundleIdentifier) {
                entry.bundleIdentifier = std::string(bundle.UTF8String);
            }
            entry.processIdentifier = application.processIdentifier;
            applications.push_back(std::move(entry));
        }
    }
    return applications;
}

} // namespace cuevox::platform::macos
