#include "FakeAccessibilityPlatform.hpp"

#include <memory>

namespace cuevox::decks::tests {

using Lock = std::lock_guard<std::mutex>;

void FakeAccessibilityPlatform::setTrusted(bool trusted) {
    Lock lock(m_mutex);
    m_trusted = trusted;
}

void FakeAccessibilityPlatform::setRunningApplications(std::vector<RunningApplication> apps) {
    Lock lock(m_mutex);
    m_applications = std::move(apps);
}

FakeAccessibilityPlatform::NodeID FakeAccessibilityPlatform::addNodeLocked(
    std::map<std::string, AttributeValue, std::less<>> attributes) {
    m_nodes.push_back({std::make_shared<const NodeID>(m_nodes.size()), std::move(attributes)});
    return m_nodes.size() - 1;
}

FakeAccessibilityPlatform::NodeID
FakeAccessibilityPlatform::addNode(std::map<std::string, AttributeValue, std::less<>> attributes) {
    Lock lock(m_mutex);
    return addNodeLocked(std::move(attributes));
}

FakeAccessibilityPlatform::NodeID FakeAccessibilityPlatform::addStaticText(std::string value) {
    return addNode({{"AXRole", std::string("AXStaticText")}, {"AXValue", std::move(value)}});
}

FakeAccessibilityPlatform::NodeID
FakeAccessibilityPlatform::addElement(std::string role, std::vector<NodeID> children) {
    return addNode({{"AXRole", std::move(role)}, {"AXChildren", std::move(children)}});
}

void FakeAccessibilityPlatform::setAttribute(NodeID node, const std::string& name,
                                             AttributeValue value) {
    Lock lock(m_mutex);
    m_nodes.at(node).attributes.insert_or_assign(name, std::move(value));
}

void FakeAccessibilityPlatform::setApplication(ProcessID pid, NodeID root) {
    Lock lock(m_mutex);
    m_applicationRoots.insert_or_assign(pid, root);
}

FakeAccessibilityPlatform::NodeID
FakeAccessibilityPlatform::addWindow(ProcessID pid, const std::vector<std::string>& texts) {
    const NodeID window = addElement("AXWindow", {});
    setWindowTexts(window, texts);
    setApplication(pid, addNode({{"AXRole", std::string("AXApplication")},
                                 {"AXWindows", std::vector<NodeID>{window}}}));
    return window;
}

void FakeAccessibilityPlatform::setWindowTexts(NodeID window,
                                               const std::vector<std::string>& texts) {
    Lock lock(m_mutex);
    std::vector<NodeID> children;
    for (const std::string& text : texts) {
        children.push_back(
            addNodeLocked({{"AXRole", std::string("AXStaticText")}, {"AXValue", text}}));
    }
    m_nodes.at(window).attributes.insert_or_assign("AXChildren", std::move(children));
}

void FakeAccessibilityPlatform::setReadHook(ReadHook hook) {
    Lock lock(m_mutex);
    m_readHook = std::move(hook);
}

bool FakeAccessibilityPlatform::answers(std::string_view attribute) {
    ReadHook hook;
    {
        Lock lock(m_mutex);
        hook = m_readHook;
    }
    return !hook || hook(attribute);
}

FakeAccessibilityPlatform::CallCounts FakeAccessibilityPlatform::callCounts() const {
    Lock lock(m_mutex);
    return m_counts;
}

bool FakeAccessibilityPlatform::isProcessTrusted() {
    Lock lock(m_mutex);
    ++m_counts.trustChecks;
    return m_trusted;
}

bool FakeAccessibilityPlatform::requestTrust() {
    Lock lock(m_mutex);
    ++m_counts.trustRequests;
    return m_trusted;
}

std::vector<AccessibilityPlatform::RunningApplication>
FakeAccessibilityPlatform::runningApplications() {
    Lock lock(m_mutex);
    ++m_counts.applicationLists;
    return m_applications;
}

AccessibilityPlatform::Element FakeAccessibilityPlatform::applicationElement(ProcessID pid) {
    Lock lock(m_mutex);
    ++m_counts.applicationElements;
    // Like the real service: an element for any pid, whose reads then fail.
    const auto [root, added] = m_applicationRoots.try_emplace(pid, m_nodes.size());
    if (added) {
        addNodeLocked({});
    }
    return m_nodes.at(root->second).handle;
}

const FakeAccessibilityPlatform::AttributeValue*
FakeAccessibilityPlatform::attributeLocked(const Element& element, std::string_view name) const {
    const NodeID id = element ? *static_cast<const NodeID*>(element.get()) : m_nodes.size();
    if (id >= m_nodes.size()) {
        return nullptr;
    }
    const auto found = m_nodes[id].attributes.find(name);
    return found != m_nodes[id].attributes.end() ? &found->second : nullptr;
}

AttributeRead<std::string> FakeAccessibilityPlatform::stringAttribute(const Element& element,
                                                                      std::string_view attribute) {
    const bool answered = answers(attribute);
    Lock lock(m_mutex);
    ++m_counts.attributeReads;
    if (!answered) {
        return AttributeRead<std::string>::notAnswering();
    }
    const auto* text = std::get_if<std::string>(attributeLocked(element, attribute));
    return text != nullptr ? std::optional(*text) : std::nullopt;
}

AttributeRead<std::vector<AccessibilityPlatform::Element>>
FakeAccessibilityPlatform::elementsAttribute(const Element& element, std::string_view attribute) {
    const bool answered = answers(attribute);
    Lock lock(m_mutex);
    ++m_counts.attributeReads;
    if (!answered) {
        return AttributeRead<std::vector<Element>>::notAnswering();
    }
    const auto* ids = std::get_if<std::vector<NodeID>>(attributeLocked(element, attribute));
    if (ids == nullptr) {
        return std::nullopt;
    }
    std::vector<Element> elements;
    for (const NodeID id : *ids) {
        if (id < m_nodes.size()) {
            elements.push_back(m_nodes[id].handle);
        }
    }
    return elements;
}

} // namespace cuevox::decks::tests
