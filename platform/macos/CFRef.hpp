#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <utility>

namespace cuevox::platform::macos {

// Owns one reference of a Core Foundation object obtained under the Create or Copy rule.
template <typename Ref>
class CFRef {
public:
    CFRef() = default;
    explicit CFRef(Ref ref) : m_ref(ref) {}
    CFRef(const CFRef&) = delete;
    CFRef& operator=(const CFRef&) = delete;
    CFRef(CFRef&& other) noexcept : m_ref(std::exchange(other.m_ref, nullptr)) {}
    CFRef& operator=(CFRef&& other) noexcept {
        std::swap(m_ref, other.m_ref);
        return *this;
    }
    ~CFRef() {
        if (m_ref) {
            CFRelease(m_ref);
        }
    }

    Ref get() const { return m_ref; }
    // For out-parameters of Copy functions; the previous object must be empty.
    Ref* out() { return &m_ref; }
    explicit operator bool() const { return m_ref != nullptr; }

private:
    Ref m_ref = nullptr;
};

} // namespace cuevox::platform::macos
