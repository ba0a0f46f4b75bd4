// GNUstep's AppKit with the constants of Apple's that platform/macos uses and GNUstep lacks,
// declared as Apple documents them.
#pragma once

#include_next <AppKit/AppKit.h>

// https://developer.apple.com/documentation/appkit/nswindow/collectionbehavior-swift.struct/canjoinallapplications
enum : NSWindowCollectionBehavior { NSWindowCollectionBehaviorCanJoinAllApplications = 1 << 18 };

// https://developer.apple.com/documentation/appkit/nsworkspace/applicationuserinfokey
APPKIT_EXPORT NSString* const NSWorkspaceApplicationKey;
