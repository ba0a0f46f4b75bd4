#include "macos/MacEventObserver.hpp"

#include "macos/CFRef.hpp"

#include <ApplicationServices/ApplicationServices.h>
#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace cuevox::platform::macos {
namespace {

using Event = decks::AccessibilityPlatform::Event;

// How long the thread's run loop runs before it looks at a stop again: a CFRunLoopStop that
// comes before the loop runs is lost, and the stop then waits this long at most.
constexpr CFTimeInterval kRunSlice = 0.5;

struct Notification {
    CFStringRef name;
    Event::Kind kind;
};

std::array<Notification, 4> notifications() {
    return {{{kAXValueChangedNotification, Event::Kind::valueChanged},
             {kAXTitleChangedNotification, Event::Kind::valueChanged},
             {kAXUIElementDestroyedNotification, Event::Kind::destroyed},
             {kAXCreatedNotification, Event::Kind::created}}};
}

class Observer final : public decks::AccessibilityPlatform::Subscription {
public:
    Observer(CFRef<AXObserverRef> observer, AXUIElementRef application,
             decks::AccessibilityPlatform::EventHandler handler)
        : m_observer(std::move(observer)),
          m_application(static_cast<AXUIElementRef>(CFRetain(application))),
          m_handler(std::move(handler)) {
        for (const Notification& notification : notifications()) {
            m_pending.push_back(notification.name);
        }
        retry();
        std::unique_lock lock(m_mutex);
        m_thread = std::jthread([this](std::stop_token stop) { serve(std::move(stop)); });
        m_started.wait(lock, [this] { return m_runLoop != nullptr; });
    }

    ~Observer() override {
        m_thread.request_stop();
        {
            std::lock_guard lock(m_mutex);
            CFRunLoopStop(m_runLoop);
            CFRunLoopWakeUp(m_runLoop);
        }
        m_thread.join();
        for (const Notification& notification : notifications()) {
            AXObserverRemoveNotification(m_observer.get(), m_application.get(), notification.name);
        }
        CFRelease(m_runLoop);
    }

    // A busy application refuses with kAXErrorCannotComplete: asked again at the next poll.
    void retry() override {
        std::vector<CFStringRef> refused;
        for (CFStringRef name : std::exchange(m_pending, {})) {
            const AXError error =
                AXObserverAddNotification(m_observer.get(), m_application.get(), name, this);
            if (error == kAXErrorCannotComplete) {
                refused.push_back(name);
            }
        }
        m_pending = std::move(refused);
    }

    // The observer's callback, on the thread that serves its run loop.
    static void deliver(AXObserverRef, AXUIElementRef element, CFStringRef name, void* refcon) {
        auto* observer = static_cast<Observer*>(refcon);
        for (const Notification& notification : notifications()) {
            if (CFEqual(name, notification.name)) {
                CFRetain(element);
                observer->m_handler(
                    {notification.kind, decks::AccessibilityPlatform::Element(
                                            static_cast<const void*>(element), [](const void* ref) {
                                                CFRelease(static_cast<CFTypeRef>(ref));
                                            })});
                return;
            }
        }
    }

private:
    void serve(std::stop_token stop) {
        CFRunLoopRef loop = CFRunLoopGetCurrent();
        CFRunLoopSourceRef source = AXObserverGetRunLoopSource(m_observer.get());
        CFRunLoopAddSource(loop, source, kCFRunLoopDefaultMode);
        {
            std::lock_guard lock(m_mutex);
            m_runLoop = static_cast<CFRunLoopRef>(const_cast<void*>(CFRetain(loop)));
        }
        m_started.notify_all();
        while (!stop.stop_requested()) {
            CFRunLoopRunInMode(kCFRunLoopDefaultMode, kRunSlice, false);
        }
        CFRunLoopRemoveSource(loop, source, kCFRunLoopDefaultMode);
    }

    CFRef<AXObserverRef> m_observer;
    CFRef<AXUIElementRef> m_application;
    decks::AccessibilityPlatform::EventHandler m_handler;
    // Touched by the polling thread only (construction, retry).
    std::vector<CFStringRef> m_pending;
    std::mutex m_mutex;
    std::condition_variable m_started;
    CFRunLoopRef m_runLoop = nullptr;
    // Last: stopped and joined before the rest goes.
    std::jthread m_thread;
};

} // namespace

std::unique_ptr<decks::AccessibilityPlatform::Subscription>
observeApplication(decks::AccessibilityPlatform::ProcessID processIdentifier,
                   const decks::AccessibilityPlatform::Element& application,
                   decks::AccessibilityPlatform::EventHandler handler) {
    if (!application) {
        return nullptr;
    }
    CFRef<AXObserverRef> observer;
    if (AXObserverCreate(processIdentifier, &Observer::deliver, observer.out()) !=
            kAXErrorSuccess ||
        !observer) {
        return nullptr;
    }
    const auto element = static_cast<AXUIElementRef>(const_cast<void*>(application.get()));
    return std::make_unique<Observer>(std::move(observer), element, std::move(handler));
}

} // namespace cuevox::platform::macos
