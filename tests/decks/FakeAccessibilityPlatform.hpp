#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace cuevox::decks::tests {

// An accessibility platform held in memory: a tree the caller builds, a scripted trust flag
// and application list, and counts of every call. Safe to change from one thread while a
// monitor reads it from another.
class FakeAccessibilityPlatform final : public AccessibilityPlatform {
public:
    using NodeID = std::size_t;
    // A double stands for any value of a type the monitor does not expect.
    using AttributeValue = std::variant<std::string, std::vector<NodeID>, double>;

    struct CallCounts {
        std::size_t trustChecks = 0;
        std::size_t trustRequests = 0;
        std::size_t applicationLists = 0;
        std::size_t applicationElements = 0;
        std::size_t attributeReads = 0;

        bool operator==(const CallCounts&) const = default;
    };

    void setTrusted(bool trusted);
    void setRunningApplications(std::vector<RunningApplication> applications);

    NodeID addNode(std::map<std::string, AttributeValue, std::less<>> attributes);
    NodeID addStaticText(std::string value);
    NodeID addElement(std::string role, std::vector<NodeID> children);
    void setAttribute(NodeID node, const std::string& name, AttributeValue value);

    // The element that applicationElement gives for `pid`.
    void setApplication(ProcessID pid, NodeID root);

    // rekordbox's shape in one call: an application for `pid` whose one window holds the
    // texts as static texts. Returns the window.
    NodeID addWindow(ProcessID pid, const std::vector<std::string>& texts);
    // Replaces the window's static texts, keeping the window element itself.
    void setWindowTexts(NodeID window, const std::vector<std::string>& texts);

    // Runs before every attribute read, on the reading thread and outside the fake's lock: where
    // a test moves its clock on, asks for a stop, or makes a read stall. When it returns false,
    // the read reports the application not answering.
    using ReadHook = std::function<bool(std::string_view attribute)>;
    void setReadHook(ReadHook hook);

    CallCounts callCounts() const;

    bool isProcessTrusted() override;
    bool requestTrust() override;
    std::vector<RunningApplication> runningApplications() override;
    Element applicationElement(ProcessID processIdentifier) override;
    AttributeRead<std::string> stringAttribute(const Element& element,
                                               std::string_view attribute) override;
    AttributeRead<std::vector<Element>> elementsAttribute(const Element& element,
                                                          std::string_view attribute) override;

private:
    struct Node {
        Element handle;
        std::map<std::string, AttributeValue, std::less<>> attributes;
    };

    bool answers(std::string_view attribute);
    NodeID addNodeLocked(std::map<std::string, AttributeValue, std::less<>> attributes);
    const AttributeValue* attributeLocked(const Element& element, std::string_view name) const;

    mutable std::mutex m_mutex;
    bool m_trusted = true;
    std::vector<RunningApplication> m_applications;
    std::vector<Node> m_nodes;
    std::map<ProcessID, NodeID> m_applicationRoots;
    CallCounts m_counts;
    ReadHook m_readHook;
};

} // namespace cuevox::decks::tests
