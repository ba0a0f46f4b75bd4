#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/WindowWalk.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <map>
#include <string>
#include <vector>

namespace cuevox::decks {

// The decks one full walk found, each remembered by its elements: the texts of its block and
// the texts after it that the playback check compares. Later samples read those alone, so
// that their cost follows the decks, not the window.
class DeckLayout {
public:
    using Element = AccessibilityPlatform::Element;

    struct Deck {
        DeckIdentifier deck = DeckIdentifier::deck1;
        // What the walk read: the slot, and up to four texts after its block, none of them the
        // next deck's.
        AccessibilityTrackPatternMatcher::DeckSlotState slot;
        std::vector<std::string> following;
        // Four texts for a loaded deck, the empty marker alone for an empty one.
        std::vector<Element> blockElements;
        std::vector<Element> followingElements;
    };

    // Where each deck was last seen: the elements of its block.
    using Places = std::map<DeckIdentifier, std::vector<Element>>;

    // The decks of `walk` in screen order, numbered by their place rather than by a count: a
    // deck whose block holds an element last seen in deck n's block is deck n again; the
    // others take, in screen order, the lowest free number above the deck before them. Up to
    // four; `places` learns where each was seen. Keys may be in `keyNotation`.
    static DeckLayout fromWalk(const WindowWalk& walk, Places& places,
                               AccessibilityPlatform& platform,
                               metadata::KeyNotationOptions keyNotation = {});

    const std::vector<Deck>& decks() const { return m_decks; }
    // What a later sample read of a deck.
    void setReading(DeckIdentifier deck, AccessibilityTrackPatternMatcher::DeckSlotState slot,
                    std::vector<std::string> following);

    // Whether `element` is a remembered text or holds one: where a change of structure may
    // move or remove a deck.
    bool holds(const Element& element, AccessibilityPlatform& platform) const;

private:
    std::vector<Deck> m_decks;
    // Every element above a remembered text, each once.
    std::vector<Element> m_holders;
};

} // namespace cuevox::decks
