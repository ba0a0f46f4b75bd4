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

} // namespace cuevox::platform::macos
