#include "macos/MacWindowIntegration.hpp"

#include <QWidget>

#import <AppKit/AppKit.h>

namespace cuevox::platform::macos {

void joinEverySpace(QWidget& window) {
    // On macOS a top-level widget's winId is its NSView, owned by Qt: bridged, not retained.
    NSView* view = (__bridge NSView*)reinterpret_cast<void*>(window.winId());
    NSWindow* nsWindow = view.window;
    if (!nsWindow) {
        return;
    }
    // The level needs nothing here: Qt puts a stay-on-top window at the modal-panel level.
    NSWindowCollectionBehavior behavior = nsWindow.collectionBehavior;
    // Qt marks its windows FullScreenPrimary, which keeps them out of other applications'
    // full-screen Spaces. Only one Spaces behaviour may be set: all Spaces replaces moving to
    // the active one.
    behavior &= ~NSWindowCollectionBehaviorFullScreenPrimary;
    behavior |= NSWindowCollectionBehaviorFullScreenAuxiliary;
    behavior &= ~NSWindowCollectionBehaviorMoveToActiveSpace;
    behavior |= NSWindowCollectionBehaviorCanJoinAllSpaces;
    if (@available(macOS 13.0, *)) {
        // Floating windows join other applications' full-screen Spaces with this one.
        behavior |= NSWindowCollectionBehaviorCanJoinAllApplications;
    }
    nsWindow.collectionBehavior = behavior;
}

struct ActivityWhileRunning::State {
    NSString* bundleIdentifier;
    id<NSObject> activity;
    id<NSObject> launchObserver;
    id<NSObject> quitObserver;

    // `quitting` may still be listed while its notification is delivered.
    void update(NSRunningApplication* quitting) {
        bool running = false;
        for (NSRunningApplication* application in
             [NSRunningApplication runningApplicationsWithBundleIdentifier:bundleIdentifier]) {
            running = running || (application != quitting && !application.terminated);
        }
        if (running && !activity) {
            activity = [NSProcessInfo.processInfo
                beginActivityWithOptions:NSActivityUserInitiatedAllowingIdleSystemSleep
                                  reason:@"Reading the decks of rekordbox"];
        } else if (!running && activity) {
            [NSProcessInfo.processInfo endActivity:activity];
            activity = nil;
        }
    }
};

ActivityWhileRunning::ActivityWhileRunning(const std::string& bundleIdentifier)
    : m_state(std::make_unique<State>()) {
    State* state = m_state.get();
    state->bundleIdentifier = @(bundleIdentifier.c_str());
    NSNotificationCenter* center = NSWorkspace.sharedWorkspace.notificationCenter;
    // The observers go before the state in the destructor, so the blocks never outlive it.
    const auto observe = [center, state](NSNotificationName name, bool quits) {
        return [center
            addObserverForName:name
                        object:nil
                         queue:NSOperationQueue.mainQueue
                    usingBlock:^(NSNotification* notification) {
                      NSRunningApplication* application =
                          notification.userInfo[NSWorkspaceApplicationKey];
                      if ([application.bundleIdentifier isEqualToString:state->bundleIdentifier]) {
                          state->update(quits ? application : nil);
                      }
                    }];
    };
    state->launchObserver = observe(NSWorkspaceDidLaunchApplicationNotification, false);
    state->quitObserver = observe(NSWorkspaceDidTerminateApplicationNotification, true);
    state->update(nil);
}

ActivityWhileRunning::~ActivityWhileRunning() {
    NSNotificationCenter* center = NSWorkspace.sharedWorkspace.notificationCenter;
    [center removeObserver:m_state->launchObserver];
    [center removeObserver:m_state->quitObserver];
    if (m_state->activity) {
        [NSProcessInfo.processInfo endActivity:m_state->activity];
    }
}

} // namespace cuevox::platform::macos
