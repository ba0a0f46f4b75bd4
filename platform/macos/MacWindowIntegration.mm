#include "MacWindowIntegration.hpp"

#include <QWidget>

#import <AppKit/AppKit.h>

namespace cuevox::platform::macos {

void raiseToFloatingLevelOnAllSpaces(QWidget& window) {
    // On macOS a top-level widget's winId is its NSView, owned by Qt: bridged, not retained.
    NSView* view = (__bridge NSView*)reinterpret_cast<void*>(window.winId());
    NSWindow* nsWindow = view.window;
    if (!nsWindow) {
        return;
    }
    // Qt's stay-on-top hint may already have set a higher level; never lower it.
    if (nsWindow.level < NSFloatingWindowLevel) {
        nsWindow.level = NSFloatingWindowLevel;
    }
    // Only one Spaces behaviour may be set: all Spaces replaces moving to the active one.
    NSWindowCollectionBehavior behavior = nsWindow.collectionBehavior;
    behavior &= ~NSWindowCollectionBehaviorMoveToActiveSpace;
    behavior |= NSWindowCollectionBehaviorCanJoinAllSpaces;
    nsWindow.collectionBehavior = behavior;
}

} // namespace cuevox::platform::macos
