#include "AtspiAccessibilityPlatform.hpp"

#include <atspi/atspi.h>

namespace cuevox::platform {
namespace {

using Element = decks::AccessibilityPlatform::Element;

// Takes over one reference; the last copy of the element gives it back.
Element adopt(AtspiAccessible* accessible) {
    if (accessible == nullptr) {
        return nullptr;
    }
    return Element(accessible, [](const void* object) {
        g_object_unref(const_cast<void*>(object));
    });
}

AtspiAccessible* raw(const Element& element) {
    return static_cast<AtspiAccessible*>(const_cast<void*>(element.get()));
}

// Every failed call is an absent value; the error is only freed.
bool failed(GError*& error) {
    if (error == nullptr) {
        return false;
    }
    g_error_free(error);
    error = nullptr;
    return true;
}

std::optional<std::string> takeString(gchar* text, GError*& error) {
    if (failed(error) || text == nullptr) {
        g_free(text);
        return std::nullopt;
    }
    std::string value(text);
    g_free(text);
    return value;
}

std::vector<Element> children(AtspiAccessible* accessible, bool& ok) {
    GError* error = nullptr;
    const gint count = atspi_accessible_get_child_count(accessible, &error);
    ok = !failed(error) && count >= 0;
    std::vector<Element> elements;
    for (gint index = 0; ok && index < count; ++index) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(accessible, index, &error);
        if (failed(error)) {
            continue;
        }
        if (Element element = adopt(child)) {
            elements.push_back(std::move(element));
        }
    }
    return elements;
}

} // namespace

AtspiAccessibilityPlatform::AtspiAccessibilityPlatform(
    std::map<std::string, std::string> bundleIdentifiers)
    : m_bundleIdentifiers(std::move(bundleIdentifiers)) {
    // 0 is a fresh start, 1 an earlier one in this process; both leave AT-SPI usable.
    const int status = atspi_init();
    m_initialised = status == 0 || status == 1;
}

bool AtspiAccessibilityPlatform::isProcessTrusted() {
    if (!m_initialised) {
        return false;
    }
    return adopt(atspi_get_desktop(0)) != nullptr;
}

bool AtspiAccessibilityPlatform::requestTrust() {
    return isProcessTrusted();
}

std::vector<decks::AccessibilityPlatform::RunningApplication>
AtspiAccessibilityPlatform::runningApplications() {
    std::vector<RunningApplication> applications;
    if (!m_initialised) {
        return applications;
    }
    const Element desktop = adopt(atspi_get_desktop(0));
    if (!desktop) {
        return applications;
    }
    bool ok = false;
    for (const Element& application : children(raw(desktop), ok)) {
        GError* error = nullptr;
        const guint pid = atspi_accessible_get_process_id(raw(application), &error);
        if (failed(error)) {
            continue;
        }
        RunningApplication running;
        running.processIdentifier = static_cast<ProcessID>(pid);
        const std::optional<std::string> name =
            takeString(atspi_accessible_get_name(raw(application), &error), error);
        if (name) {
            if (const auto mapped = m_bundleIdentifiers.find(*name);
                mapped != m_bundleIdentifiers.end()) {
                running.bundleIdentifier = mapped->second;
            }
        }
        applications.push_back(std::move(running));
    }
    return applications;
}

decks::AccessibilityPlatform::Element
AtspiAccessibilityPlatform::applicationElement(ProcessID processIdentifier) {
    if (!m_initialised) {
        return nullptr;
    }
    const Element desktop = adopt(atspi_get_desktop(0));
    if (!desktop) {
        return nullptr;
    }
    bool ok = false;
    for (Element& application : children(raw(desktop), ok)) {
        GError* error = nullptr;
        const guint pid = atspi_accessible_get_process_id(raw(application), &error);
        if (!failed(error) && static_cast<ProcessID>(pid) == processIdentifier) {
            return std::move(application);
        }
    }
    return nullptr;
}

std::optional<std::string> AtspiAccessibilityPlatform::stringAttribute(const Element& element,
                                                                       std::string_view attribute) {
    if (!element) {
        return std::nullopt;
    }
    GError* error = nullptr;
    if (attribute == "AXRole") {
        const AtspiRole role = atspi_accessible_get_role(raw(element), &error);
        if (failed(error)) {
            return std::nullopt;
        }
        if (role == ATSPI_ROLE_LABEL || role == ATSPI_ROLE_STATIC) {
            return "AXStaticText";
        }
        return takeString(atspi_accessible_get_role_name(raw(element), &error), error);
    }
    if (attribute == "AXValue") {
        return takeString(atspi_accessible_get_name(raw(element), &error), error);
    }
    return std::nullopt;
}

std::optional<std::vector<decks::AccessibilityPlatform::Element>>
AtspiAccessibilityPlatform::elementsAttribute(const Element& element, std::string_view attribute) {
    if (!element || (attribute != "AXWindows" && attribute != "AXChildren")) {
        return std::nullopt;
    }
    bool ok = false;
    std::vector<Element> elements = children(raw(element), ok);
    if (!ok) {
        return std::nullopt;
    }
    return elements;
}

} // namespace cuevox::platform
