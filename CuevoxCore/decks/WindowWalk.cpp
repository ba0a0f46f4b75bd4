#include "decks/WindowWalk.hpp"

#include <algorithm>
#include <array>

namespace cuevox::decks {
namespace {

constexpr std::string_view kStaticText = "AXStaticText";
constexpr std::array<std::string_view, 4> kBrowserRoles{"AXTable", "AXOutline", "AXRow", "AXCell"};

struct Walker {
    GuardedReader& reader;
    std::size_t maxDepth;
    WalkOptions options;
    WindowWalk walk;

    void visit(const AccessibilityPlatform::Element& element, std::size_t depth, std::size_t parent,
               bool inBrowser) {
        if (depth >= maxDepth || reader.gaveUp()) {
            return;
        }
        WindowWalk::Visited visited;
        visited.element = element;
        visited.parent = parent;
        visited.depth = depth;
        visited.role = reader.string(element, "AXRole");
        visited.inBrowser = inBrowser || (visited.role && WindowWalk::isBrowserRole(*visited.role));
        if (options.readEveryValue || visited.role == kStaticText) {
            visited.value = reader.string(element, "AXValue");
        }
        const std::size_t index = walk.elements.size();
        walk.elements.push_back(std::move(visited));
        // A browser holds thousands of rows: not reading them at all keeps a walk's cost
        // independent of the collection shown.
        if (walk.elements[index].inBrowser && !options.enterBrowsers) {
            return;
        }
        const auto children = reader.elements(element, "AXChildren");
        walk.elements[index].childCount = children ? children->size() : 0;
        if (children) {
            for (const auto& child : *children) {
                visit(child, depth + 1, index, walk.elements[index].inBrowser);
            }
        }
    }
};

} // namespace

std::optional<WindowWalk> WindowWalk::of(GuardedReader& reader,
                                         const AccessibilityPlatform::Element& root,
                                         std::size_t maxDepth, WalkOptions options) {
    Walker walker{reader, maxDepth, options, {}};
    walker.visit(root, 0, kNoParent, false);
    if (reader.gaveUp()) {
        return std::nullopt;
    }
    return std::move(walker.walk);
}

bool WindowWalk::isBrowserRole(std::string_view role) {
    return std::ranges::find(kBrowserRoles, role) != kBrowserRoles.end();
}

bool WindowWalk::isDeckText(std::size_t index) const {
    const Visited& visited = elements[index];
    return visited.role == kStaticText && visited.value && !visited.inBrowser;
}

std::vector<std::size_t> WindowWalk::deckTextIndices() const {
    std::vector<std::size_t> indices;
    for (std::size_t index = 0; index < elements.size(); ++index) {
        if (isDeckText(index)) {
            indices.push_back(index);
        }
    }
    return indices;
}

} // namespace cuevox::decks
