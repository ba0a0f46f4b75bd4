// The accessibility calls of ApplicationServices (HIServices' AXUIElement.h) that platform/macos
// makes, declared as Apple documents them, for the compile check on Linux.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

extern "C" {
CF_IMPLICIT_BRIDGING_ENABLED

// AXError: https://developer.apple.com/documentation/applicationservices/axerror
enum AXError : int32_t {
    kAXErrorSuccess = 0,
    kAXErrorCannotComplete = -25204,
    kAXErrorNotificationAlreadyRegistered = -25209
};

// AXUIElement: https://developer.apple.com/documentation/applicationservices/axuielement_h
typedef const struct CF_BRIDGED_TYPE(id) __AXUIElement* AXUIElementRef;
CFTypeID AXUIElementGetTypeID(void);
AXUIElementRef AXUIElementCreateSystemWide(void);
AXUIElementRef AXUIElementCreateApplication(pid_t pid);
AXError AXUIElementCopyAttributeValue(AXUIElementRef element, CFStringRef attribute,
                                      CFTypeRef* CF_RETURNS_RETAINED value);
AXError AXUIElementSetMessagingTimeout(AXUIElementRef element, float timeoutInSeconds);

// AXObserver: https://developer.apple.com/documentation/applicationservices/axobserver_h
typedef struct CF_BRIDGED_TYPE(id) __AXObserver* AXObserverRef;
typedef void (*AXObserverCallback)(AXObserverRef observer, AXUIElementRef element,
                                   CFStringRef notification, void* refcon);
AXError AXObserverCreate(pid_t application, AXObserverCallback callback,
                         AXObserverRef* CF_RETURNS_RETAINED outObserver);
AXError AXObserverAddNotification(AXObserverRef observer, AXUIElementRef element,
                                  CFStringRef notification, void* refcon);
AXError AXObserverRemoveNotification(AXObserverRef observer, AXUIElementRef element,
                                     CFStringRef notification);
CFRunLoopSourceRef AXObserverGetRunLoopSource(AXObserverRef observer);

// Notifications (AXNotificationConstants.h defines them as CFSTR constants).
#define kAXValueChangedNotification CFSTR("AXValueChanged")
#define kAXTitleChangedNotification CFSTR("AXTitleChanged")
#define kAXUIElementDestroyedNotification CFSTR("AXUIElementDestroyed")
#define kAXCreatedNotification CFSTR("AXCreated")

// Trust:
// https://developer.apple.com/documentation/applicationservices/axisprocesstrustedwithoptions(_:)
extern CFStringRef kAXTrustedCheckOptionPrompt;
Boolean AXIsProcessTrusted(void);
Boolean AXIsProcessTrustedWithOptions(CFDictionaryRef options);

CF_IMPLICIT_BRIDGING_DISABLED
}
