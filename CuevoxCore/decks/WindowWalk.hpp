#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/GuardedReader.hpp"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::decks {

struct WalkOptions {
    // Walks into tables, outlines, rows and cells too (the deck scan leaves them out).
    bool enterBrowsers = false;
    bool readEveryValue = false;
};

// One depth-first walk of a window: every element visited, in pre-order, with what was read
// of it. The deck monitor walks to find the decks; the probe walks to show a whole window.
struct WindowWalk {
    static constexpr std::size_t kNoParent = std::numeric_limits<std::size_t>::max();

    struct Visited {
        AccessibilityPlatform::Element element;
        // Index of the parent in `elements`; kNoParent for the root.
        std::size_t parent = kNoParent;
        std::size_t depth = 0;
        std::optional<std::string> role;
        // Read for static texts, and for every element when asked.
        std::optional<std::string> value;
        // Nothing for an element whose children were not asked for.
        std::optional<std::size_t> childCount;
        // Inside a table, an outline, a row or a cell, or one itself.
        bool inBrowser = false;
    };

    std::vector<Visited> elements;

    // Visits depths 0 to maxDepth - 1 from `root`; nothing when the reader gave up.
    static std::optional<WindowWalk> of(GuardedReader& reader,
                                        const AccessibilityPlatform::Element& root,
                                        std::size_t maxDepth, WalkOptions options = {});

    // A browser's rows carry the deck's shape (title, artist, 128.00, 8A) and are never decks.
    static bool isBrowserRole(std::string_view role);

    // Whether the element is a static text with a value outside every browser: a text the deck
    // scan reads.
    bool isDeckText(std::size_t index) const;
    // The indices of those texts, in tree order.
    std::vector<std::size_t> deckTextIndices() const;
};

} // namespace cuevox::decks
