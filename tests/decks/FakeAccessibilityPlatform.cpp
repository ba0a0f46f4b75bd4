#include "FakeAccessibilityPlatform.hpp"

#include <memory>

namespace cuevox::decks::tests {

void FakeAccessibilityPlatform::setTrusted(bool trusted) {
    std::lock_guard lock(m_mutex);
    m_trusted = trusted;
}

void FakeAccessibilityPlatform::setRunningApplications(
    std::vector<RunningApplication> applications) {
    std::lock_guard lock(m_mutex);
    m_applications = std::move(applications);
}

FakeAccessibilityPlatform::NodeID FakeAccessibilityPlatform::addNodeLocked(
    std::map<std::string, AttributeValue, std::less<>> attributes) {
    const NodeID id = m_nodes.size();
    m_nodes.push_back({std::make_shared<const NodeID>(id), std::move(attributes)});
    return id;
}

FakeAccessibilityPlatform::NodeID
FakeAccessibilityPlatform::addNode(std::map<std::string, AttributeValue, std::less<>> attributes) {
    std::lock_guard lock(m_mutex);
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
    std::lock_guard lock(m_mutex);
    m_nodes.at(node).attributes.insert_or_assign(name, std::move(value));
}

void FakeAccessibilityPlatform::setApplication(ProcessID pid, NodeID root) {
    std::lock_guard lock(m_mutex);
    m_applicationRoots.insert_or_assign(pid, root);
}

FakeAccessibilityPlatform::NodeID
FakeAccessibilityPlatform::addWindow(ProcessID pid, const std::vector<std::string>& texts) {
    const NodeID window = addElement("AXWindow", {});
    setWindowTexts(window, texts);
    const NodeID application = addNode(
        {{"AXRole", std::string("AXApplication")}, {"AXWindows", std::vector<NodeID>{window}}});
    setApplication(pid, application);
    return window;
}

void FakeAccessibilityPlatform::setWindowTexts(NodeID window,
                                               const std::vector<std::string>& texts) {
    std::lock_guard lock(m_mutex);
    std::vector<NodeID> children;
    for (const std::string& text : texts) {
        children.push_back(
            addNodeLocked({{"AXRole", std::string("AXStaticText")}, {"AXValue", text}}));
    }
    m_nodes.at(window).attributes.insert_or_assign("AXChildren", std::move(children));
}

void FakeAccessibilityPlatform::setReadHook(ReadHook hook) {
    std::lock_guard lock(m_mutex);
    m_readHook = std::move(hook);
}

bool FakeAccessibilityPlatform::answers(std::string_view attribute) {
    ReadHook hook;
    {
        std::lock_guard lock(m_mutex);
        hook = m_readHook;
    }
    return !hook || hook(attribute);
}

FakeAccessibilityPlatform::CallCounts FakeAccessibilityPlatform::callCounts() const {
    std::lock_guard lock(m_mutex);
    return m_counts;
}

bool FakeAccessibilityPlatform::isProcessTrusted() {
    std::lock_guard lock(m_mutex);
    ++m_counts.trustChecks;
    return m_trusted;
}

bool FakeAccessibilityPlatform::requestTrust() {
    std::lock_guard lock(m_mutex);
    ++m_counts.trustRequests;
    return m_trusted;
}

std::vector<AccessibilityPlatform::RunningApplication>
FakeAccessibilityPlatform::runningApplications() {
    std::lock_guard lock(m_mutex);
    ++m_counts.applicationLists;
    return m_applications;
}

AccessibilityPlatform::Element FakeAccessibilityPlatform::applicationElement(ProcessID pid) {
    std::lock_guard lock(m_mutex);
    ++m_counts.applicationElements;
    const auto root = m_applicationRoots.find(pid);
    if (root != m_applicationRoots.end()) {
        return m_nodes.at(root->second).handle;
    }
    // Like the real service: an element for any pid, whose reads then fail.
    const NodeID stranger = addNodeLocked({});
    m_applicationRoots.emplace(pid, stranger);
    return m_nodes[stranger].handle;
}

const FakeAccessibilityPlatform::AttributeValue*
FakeAccessibilityPlatform::attributeLocked(const Element& element, std::string_view name) const {
    if (!element) {
        return nullptr;
    }
    const NodeID id = *static_cast<const NodeID*>(element.get());
    if (id >= m_nodes.size()) {
        return nullptr;
    }
    const auto& attributes = m_nodes[id].attributes;
    const auto found = attributes.find(name);
    return found != attributes.end() ? &found->second : nullptr;
}

AttributeRead<std::string> FakeAccessibilityPlatform::stringAttribute(const Element& element,
                                                                      std::string_view attribute) {
    const bool answered = answers(attribute);
    std::lock_guard lock(m_mutex);
    ++m_counts.attributeReads;
    if (!answered) {
        return AttributeRead<std::string>::notAnswering();
    }
    const AttributeValue* value = attributeLocked(element, attribute);
    const std::string* text = value != nullptr ? std::get_if<std::string>(value) : nullptr;
    return text != nullptr ? std::optional(*text) : std::nullopt;
}

AttributeRead<std::vector<AccessibilityPlatform::Element>>
FakeAccessibilityPlatform::elementsAttribute(const Element& element, std::string_view attribute) {
    const bool answered = answers(attribute);
    std::lock_guard lock(m_mutex);
    ++m_counts.attributeReads;
    if (!answered) {
        return AttributeRead<std::vector<Element>>::notAnswering();
    }
    const AttributeValue* value = attributeLocked(element, attribute);
    const auto* ids = value != nullptr ? std::get_if<std::vector<NodeID>>(value) : nullptr;
    if (ids == nullptr) {
        return std::nullopt;
    }
    std::vector<Element> elements;
    elements.reserve(ids->size());
    for (const NodeID id : *ids) {
        if (id < m_nodes.size()) {
            elements.push_back(m_nodes[id].handle);
        }
    }
    return elements;
}

} // namespace cuevox::decks::tests
