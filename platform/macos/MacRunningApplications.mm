#include "macos/MacRunningApplications.hpp"

#import <AppKit/AppKit.h>

namespace cuevox::platform::macos {

std::vector<decks::AccessibilityPlatform::RunningApplication> runningApplications() {
    std::vector<decks::AccessibilityPlatform::RunningApplication> applications;
    // Called from the monitor's thread, which has no pool of its own. The list is documented
    // as safe from any thread; it changes only while the main run loop runs, as Qt's does.
    @autoreleasepool {
        for (NSRunningApplication* application in NSWorkspace.sharedWorkspace.runningApplications) {
            // An application without a process reports -1: it has no accessibility tree.
            if (application.processIdentifier <= 0) {
                continue;
            }
            decks::AccessibilityPlatform::RunningApplication entry;
            // UTF8String is NULL when the string cannot be converted.
            if (const char* bundle = application.bundleIdentifier.UTF8String) {
                entry.bundleIdentifier = std::string(bundle);
            }
            entry.processIdentifier = application.processIdentifier;
            applications.push_back(std::move(entry));
        }
    }
    return applications;
}

} // namespace cuevox::platform::macos
