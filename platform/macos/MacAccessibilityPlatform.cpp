#include "macos/MacAccessibilityPlatform.hpp"

#include "macos/CFRef.hpp"
#include "macos/MacEventObserver.hpp"
#include "macos/MacRunningApplications.hpp"

#include <ApplicationServices/ApplicationServices.h>

namespace cuevox::platform::macos {
namespace {

using Element = decks::AccessibilityPlatform::Element;

// Takes ownership of one reference (Create/Copy rule); the deleter gives it back.
Element adoptElement(AXUIElementRef element) {
    if (!element) {
        return nullptr;
    }
    return Element(static_cast<const void*>(element),
                   [](const void* ref) { CFRelease(static_cast<CFTypeRef>(ref)); });
}

CFRef<CFStringRef> makeCFString(std::string_view text) {
    return CFRef<CFStringRef>(
        CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8*>(text.data()),
                                static_cast<CFIndex>(text.size()), kCFStringEncodingUTF8, false));
}

std::optional<std::string> utf8(CFStringRef string) {
    const CFIndex length = CFStringGetLength(string);
    const CFIndex maximum = CFStringGetMaximumSizeForEncoding(length, kCFStringEncodingUTF8);
    if (maximum == kCFNotFound) {
        return std::nullopt;
    }
    std::string buffer(static_cast<std::size_t>(maximum) + 1, '\0');
    if (!CFStringGetCString(string, buffer.data(), maximum + 1, kCFStringEncodingUTF8)) {
        return std::nullopt;
    }
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

// The attribute's value under the Copy rule, empty on any AXError; `notAnswering` when the
// application did not answer within the messaging timeout.
struct CopiedAttribute {
    CFRef<CFTypeRef> value;
    bool notAnswering = false;
};

CopiedAttribute copyAttribute(const Element& element, std::string_view attribute) {
    CopiedAttribute copied;
    const CFRef<CFStringRef> name = makeCFString(attribute);
    if (!element || !name) {
        return copied;
    }
    const auto ax = static_cast<AXUIElementRef>(const_cast<void*>(element.get()));
    const AXError error = AXUIElementCopyAttributeValue(ax, name.get(), copied.value.out());
    if (error != kAXErrorSuccess) {
        return CopiedAttribute{CFRef<CFTypeRef>(), error == kAXErrorCannotComplete};
    }
    return copied;
}

} // namespace

MacAccessibilityPlatform::MacAccessibilityPlatform() {
    // Set on the system-wide element, the timeout holds for every element this process reads.
    const CFRef<AXUIElementRef> systemWide(AXUIElementCreateSystemWide());
    if (systemWide) {
        AXUIElementSetMessagingTimeout(systemWide.get(), kMessagingTimeoutSeconds);
    }
}

bool MacAccessibilityPlatform::isProcessTrusted() {
    return AXIsProcessTrusted();
}

bool MacAccessibilityPlatform::requestTrust() {
    const void* keys[] = {kAXTrustedCheckOptionPrompt};
    const void* values[] = {kCFBooleanTrue};
    const CFRef<CFDictionaryRef> options(CFDictionaryCreate(kCFAllocatorDefault, keys, values, 1,
                                                            &kCFTypeDictionaryKeyCallBacks,
                                                            &kCFTypeDictionaryValueCallBacks));
    return AXIsProcessTrustedWithOptions(options.get());
}

std::vector<MacAccessibilityPlatform::RunningApplication>
MacAccessibilityPlatform::runningApplications() {
    return macos::runningApplications();
}

Element MacAccessibilityPlatform::applicationElement(ProcessID processIdentifier) {
    return adoptElement(AXUIElementCreateApplication(processIdentifier));
}

decks::AttributeRead<std::string>
MacAccessibilityPlatform::stringAttribute(const Element& element, std::string_view attribute) {
    const CopiedAttribute copied = copyAttribute(element, attribute);
    if (copied.notAnswering) {
        return decks::AttributeRead<std::string>::notAnswering();
    }
    const CFTypeRef value = copied.value.get();
    if (!value || CFGetTypeID(value) != CFStringGetTypeID()) {
        return std::nullopt;
    }
    return utf8(static_cast<CFStringRef>(value));
}

decks::AttributeRead<std::vector<Element>>
MacAccessibilityPlatform::elementsAttribute(const Element& element, std::string_view attribute) {
    const CopiedAttribute copied = copyAttribute(element, attribute);
    if (copied.notAnswering) {
        return decks::AttributeRead<std::vector<Element>>::notAnswering();
    }
    const CFTypeRef value = copied.value.get();
    if (!value || CFGetTypeID(value) != CFArrayGetTypeID()) {
        return std::nullopt;
    }
    const auto array = static_cast<CFArrayRef>(value);
    std::vector<Element> elements;
    const CFIndex count = CFArrayGetCount(array);
    elements.reserve(static_cast<std::size_t>(count));
    for (CFIndex index = 0; index < count; ++index) {
        const CFTypeRef item = CFArrayGetValueAtIndex(array, index);
        // The walk reads what it can: an item that is not an element is skipped, not fatal.
        if (!item || CFGetTypeID(item) != AXUIElementGetTypeID()) {
            continue;
        }
        // The array owns its items (Get rule): retain each one the caller keeps.
        elements.push_back(adoptElement(static_cast<AXUIElementRef>(CFRetain(item))));
    }
    return elements;
}

std::unique_ptr<decks::AccessibilityPlatform::Subscription>
MacAccessibilityPlatform::subscribe(ProcessID processIdentifier, const Element& application,
                                    EventHandler handler) {
    return observeApplication(processIdentifier, application, std::move(handler));
}

bool MacAccessibilityPlatform::sameElement(const Element& a, const Element& b) {
    return a == b ||
           (a && b && CFEqual(static_cast<CFTypeRef>(a.get()), static_cast<CFTypeRef>(b.get())));
}

} // namespace cuevox::platform::macos
