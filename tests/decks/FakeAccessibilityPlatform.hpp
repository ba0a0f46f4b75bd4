#pragma once

#include "decks/AccessibilityPlatform.hpp"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace cuevox::decks::tests {

// An accessibility platform held in memory: a tree the caller builds, a scripted trust flag
// and application list, and counts of every call. Safe to change from one thread while a
// monitor reads it from another.
class FakeAccessibilityPlatform final : public AccessibilityPlatform {
    auto locked(auto change) const {
        std::lock_guard lock(m_mutex);
        return change();
    }

public:
    using NodeID = std::size_t;
    // A double stands for any value of a type the monitor does not expect.
    using AttributeValue = std::variant<std::string, std::vector<NodeID>, double>;
    using Attributes = std::map<std::string, AttributeValue, std::less<>>;
    struct CallCounts {
        std::size_t trustChecks = 0, trustRequests = 0, applicationLists = 0,
                    applicationElements = 0, attributeReads = 0, subscriptions = 0;
        bool operator==(const CallCounts&) const = default;
    };
    // Runs before every attribute read, on the reading thread and outside the fake's lock: where
    // a test moves its clock on, asks for a stop, or makes a read stall. When it returns false,
    // the read reports the application not answering.
    using ReadHook = std::function<bool(std::string_view attribute)>;

    void setTrusted(bool trusted) {
        locked([&] { m_trusted = trusted; });
    }
    void setRunningApplications(std::vector<RunningApplication> applications) {
        locked([&] { m_applications = std::move(applications); });
    }
    void setReadHook(ReadHook hook) {
        locked([&] { m_readHook = std::move(hook); });
    }
    CallCounts callCounts() const {
        return locked([&] { return m_counts; });
    }

    NodeID addNode(Attributes attributes) {
        return locked([&] {
            m_nodes.push_back(
                {std::make_shared<const NodeID>(m_nodes.size()), std::move(attributes)});
            return m_nodes.size() - 1;
        });
    }
    NodeID addStaticText(std::string value) {
        return addNode({{"AXRole", std::string("AXStaticText")}, {"AXValue", std::move(value)}});
    }
    NodeID addElement(std::string role, std::vector<NodeID> children) {
        return addNode({{"AXRole", std::move(role)}, {"AXChildren", std::move(children)}});
    }
    void setAttribute(NodeID node, const std::string& name, AttributeValue value) {
        locked([&] { m_nodes.at(node).attributes.insert_or_assign(name, std::move(value)); });
    }
    std::vector<NodeID> children(NodeID node) const {
        return locked([&] {
            const Attributes& attributes = m_nodes.at(node).attributes;
            const auto found = attributes.find("AXChildren");
            return found == attributes.end() ? std::vector<NodeID>{}
                                             : std::get<std::vector<NodeID>>(found->second);
        });
    }
    // The element that applicationElement gives for `pid`.
    void setApplication(ProcessID pid, NodeID root) {
        locked([&] { m_applicationRoots.insert_or_assign(pid, root); });
    }
    // rekordbox's shape in one call: an application for `pid` whose one window holds the
    // texts as static texts. Returns the window.
    NodeID addWindow(ProcessID pid, const std::vector<std::string>& texts) {
        const NodeID window = addElement("AXWindow", {});
        setWindowTexts(window, texts);
        setApplication(pid, addNode({{"AXRole", std::string("AXApplication")},
                                     {"AXWindows", std::vector{window}}}));
        return window;
    }
    // Replaces the window's static texts, keeping the window element itself; the texts it
    // held are gone, as a toolkit's deleted labels are.
    void setWindowTexts(NodeID window, const std::vector<std::string>& texts) {
        locked([&] {
            const Attributes& attributes = m_nodes.at(window).attributes;
            const auto old = attributes.find("AXChildren");
            const auto* children =
                old != attributes.end() ? std::get_if<std::vector<NodeID>>(&old->second) : nullptr;
            for (const NodeID child : children ? *children : std::vector<NodeID>{}) {
                m_nodes.at(child).attributes.clear();
            }
        });
        std::vector<NodeID> children;
        for (const std::string& text : texts) {
            children.push_back(addStaticText(text));
        }
        setAttribute(window, "AXChildren", std::move(children));
    }

    // Events: off until asked for, as for a backend without them. post() runs the handlers
    // of the process's live subscriptions on the calling thread.
    void setPostsEvents(bool posts) {
        locked([&] { m_postsEvents = posts; });
    }
    void post(ProcessID pid, Event::Kind kind, NodeID node) {
        const Element element = locked([&] { return m_nodes.at(node).handle; });
        std::lock_guard lock(m_eventMutex);
        for (const auto& [id, subscriber] : m_subscribers) {
            if (subscriber.first == pid) {
                subscriber.second(Event{kind, element});
            }
        }
    }
    std::size_t liveSubscriptions() const {
        std::lock_guard lock(m_eventMutex);
        return m_subscribers.size();
    }
    std::unique_ptr<Subscription> subscribe(ProcessID pid, const Element&,
                                            EventHandler handler) override {
        if (!locked([&] { return ++m_counts.subscriptions, m_postsEvents; })) {
            return nullptr;
        }
        struct Held final : Subscription {
            FakeAccessibilityPlatform* fake;
            std::size_t id;
            Held(FakeAccessibilityPlatform* f, std::size_t i) : fake(f), id(i) {}
            ~Held() override {
                std::lock_guard lock(fake->m_eventMutex);
                fake->m_subscribers.erase(id);
            }
        };
        std::lock_guard lock(m_eventMutex);
        m_subscribers.emplace(++m_lastSubscriber, std::pair(pid, std::move(handler)));
        return std::make_unique<Held>(this, m_lastSubscriber);
    }

    bool isProcessTrusted() override {
        return locked([&] { return ++m_counts.trustChecks, m_trusted; });
    }
    bool requestTrust() override {
        return locked([&] { return ++m_counts.trustRequests, m_trusted; });
    }
    std::vector<RunningApplication> runningApplications() override {
        return locked([&] { return ++m_counts.applicationLists, m_applications; });
    }
    // Like the real service: an element for any pid, whose reads then fail.
    Element applicationElement(ProcessID pid) override {
        return locked([&] {
            ++m_counts.applicationElements;
            const auto root = m_applicationRoots.find(pid);
            return m_nodes.at(root != m_applicationRoots.end() ? root->second : 0).handle;
        });
    }
    AttributeRead<std::string> stringAttribute(const Element& element,
                                               std::string_view attribute) override {
        return read<std::string>(element, attribute, [](const std::string& text) { return text; });
    }
    AttributeRead<std::vector<Element>> elementsAttribute(const Element& element,
                                                          std::string_view attribute) override {
        return read<std::vector<NodeID>>(element, attribute, [&](const std::vector<NodeID>& ids) {
            std::vector<Element> elements;
            for (const NodeID id : ids) {
                elements.push_back(m_nodes.at(id).handle);
            }
            return elements;
        });
    }

private:
    struct Node {
        Element handle;
        Attributes attributes;
    };

    // Calls the hook, counts the read, and converts the attribute if it holds a T.
    template <typename T, typename Convert>
    auto read(const Element& element, std::string_view name, Convert convert)
        -> AttributeRead<std::invoke_result_t<Convert, const T&>> {
        using Read = AttributeRead<std::invoke_result_t<Convert, const T&>>;
        const ReadHook hook = locked([&] { return m_readHook; });
        const bool answered = !hook || hook(name);
        return locked([&]() -> Read {
            ++m_counts.attributeReads;
            const Attributes& attributes =
                m_nodes.at(*static_cast<const NodeID*>(element.get())).attributes;
            const auto found = attributes.find(name);
            const T* value = found != attributes.end() ? std::get_if<T>(&found->second) : nullptr;
            return !answered ? Read::notAnswering() : value ? Read(convert(*value)) : Read();
        });
    }

    mutable std::mutex m_mutex;
    bool m_trusted = true;
    std::vector<RunningApplication> m_applications;
    // Node 0 has no attributes: the root of every application without one.
    std::vector<Node> m_nodes{{std::make_shared<const NodeID>(0), {}}};
    std::map<ProcessID, NodeID> m_applicationRoots;
    CallCounts m_counts;
    ReadHook m_readHook;
    bool m_postsEvents = false;
    mutable std::mutex m_eventMutex;
    std::map<std::size_t, std::pair<ProcessID, EventHandler>> m_subscribers;
    std::size_t m_lastSubscriber = 0;
};

} // namespace cuevox::decks::tests
