// The part of Core Foundation that platform/macos calls, declared as Apple documents it, for
// the compile check on Linux (Debian has no GNUstep CoreFoundation). Ownership follows Apple's
// Create, Copy and Get rules; a function missing here is one the code does not call yet.
#pragma once

#include <stdint.h>
#include <sys/types.h>

#ifdef __OBJC__
#define CF_BRIDGED_TYPE(T) __attribute__((objc_bridge(T)))
#else
#define CF_BRIDGED_TYPE(T)
#endif
#define CF_RETURNS_RETAINED __attribute__((cf_returns_retained))
#define CF_IMPLICIT_BRIDGING_ENABLED _Pragma("clang arc_cf_code_audited begin")
#define CF_IMPLICIT_BRIDGING_DISABLED _Pragma("clang arc_cf_code_audited end")

extern "C" {
CF_IMPLICIT_BRIDGING_ENABLED

// Base Types: https://developer.apple.com/documentation/corefoundation/base-utilities
typedef unsigned char Boolean;
typedef unsigned char UInt8;
typedef uint32_t UInt32;
typedef signed long CFIndex;
typedef unsigned long CFTypeID;
static const CFIndex kCFNotFound = -1;

// CFType: https://developer.apple.com/documentation/corefoundation/cftype
typedef const CF_BRIDGED_TYPE(id) void* CFTypeRef;
CFTypeID CFGetTypeID(CFTypeRef cf);
Boolean CFEqual(CFTypeRef cf1, CFTypeRef cf2);
CFTypeRef CFRetain(CFTypeRef cf);
void CFRelease(CFTypeRef cf);

// CFAllocator: https://developer.apple.com/documentation/corefoundation/cfallocator
typedef const struct CF_BRIDGED_TYPE(id) __CFAllocator* CFAllocatorRef;
extern const CFAllocatorRef kCFAllocatorDefault;

// CFString: https://developer.apple.com/documentation/corefoundation/cfstring
typedef const struct CF_BRIDGED_TYPE(NSString) __CFString* CFStringRef;
typedef UInt32 CFStringEncoding;
enum CFStringBuiltInEncodings : CFStringEncoding { kCFStringEncodingUTF8 = 0x08000100 };
CFTypeID CFStringGetTypeID(void);
CFStringRef CFStringCreateWithBytes(CFAllocatorRef alloc, const UInt8* bytes, CFIndex numBytes,
                                    CFStringEncoding encoding, Boolean isExternalRepresentation);
CFIndex CFStringGetLength(CFStringRef theString);
// What CFSTR expands to (CFString.h).
CFStringRef __CFStringMakeConstantString(const char* cStr) __attribute__((format_arg(1)));
#define CFSTR(cStr) __CFStringMakeConstantString("" cStr "")
CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding);
Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize,
                           CFStringEncoding encoding);

// CFArray: https://developer.apple.com/documentation/corefoundation/cfarray
typedef const struct CF_BRIDGED_TYPE(NSArray) __CFArray* CFArrayRef;
CFTypeID CFArrayGetTypeID(void);
CFIndex CFArrayGetCount(CFArrayRef theArray);
const void* CFArrayGetValueAtIndex(CFArrayRef theArray, CFIndex idx);

// CFDictionary: https://developer.apple.com/documentation/corefoundation/cfdictionary
// The callback structures' fields are left out: the code only passes Apple's own by address.
typedef const struct CF_BRIDGED_TYPE(NSDictionary) __CFDictionary* CFDictionaryRef;
typedef struct CFDictionaryKeyCallBacks CFDictionaryKeyCallBacks;
typedef struct CFDictionaryValueCallBacks CFDictionaryValueCallBacks;
extern const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks;
extern const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks;
CFDictionaryRef CFDictionaryCreate(CFAllocatorRef allocator, const void** keys, const void** values,
                                   CFIndex numValues, const CFDictionaryKeyCallBacks* keyCallBacks,
                                   const CFDictionaryValueCallBacks* valueCallBacks);

// CFRunLoop: https://developer.apple.com/documentation/corefoundation/cfrunloop
typedef double CFTimeInterval;
typedef int32_t SInt32;
typedef struct CF_BRIDGED_TYPE(id) __CFRunLoop* CFRunLoopRef;
typedef struct CF_BRIDGED_TYPE(id) __CFRunLoopSource* CFRunLoopSourceRef;
typedef CFStringRef CFRunLoopMode;
typedef SInt32 CFRunLoopRunResult;
extern const CFRunLoopMode kCFRunLoopDefaultMode;
CFRunLoopRef CFRunLoopGetCurrent(void);
void CFRunLoopAddSource(CFRunLoopRef rl, CFRunLoopSourceRef source, CFRunLoopMode mode);
void CFRunLoopRemoveSource(CFRunLoopRef rl, CFRunLoopSourceRef source, CFRunLoopMode mode);
CFRunLoopRunResult CFRunLoopRunInMode(CFRunLoopMode mode, CFTimeInterval seconds,
                                      Boolean returnAfterSourceHandled);
void CFRunLoopStop(CFRunLoopRef rl);
void CFRunLoopWakeUp(CFRunLoopRef rl);

// CFBoolean: https://developer.apple.com/documentation/corefoundation/cfboolean
typedef const struct CF_BRIDGED_TYPE(NSNumber) __CFBoolean* CFBooleanRef;
extern const CFBooleanRef kCFBooleanTrue;

CF_IMPLICIT_BRIDGING_DISABLED
}
