#include "decks/DeckLayout.hpp"

#include <algorithm>
#include <optional>

namespace cuevox::decks {
namespace {

constexpr std::size_t kFollowingTexts = 4;

bool contains(const std::vector<DeckLayout::Element>& elements, const DeckLayout::Element& element,
              AccessibilityPlatform& platform) {
    return std::ranges::any_of(elements, [&](const DeckLayout::Element& remembered) {
        return platform.sameElement(remembered, element);
    });
}

// The deck last seen with one of these elements in its block, if its number is still free.
std::optional<DeckIdentifier> placeOf(const std::vector<DeckLayout::Element>& block,
                                      const DeckLayout::Places& places,
                                      const std::vector<bool>& taken,
                                      AccessibilityPlatform& platform) {
    for (const auto& [deck, seen] : places) {
        if (!taken[static_cast<std::size_t>(deck)] &&
            std::ranges::any_of(block,
                                [&](const auto& e) { return contains(seen, e, platform); })) {
            return deck;
        }
    }
    return std::nullopt;
}

} // namespace

DeckLayout DeckLayout::fromWalk(const WindowWalk& walk, Places& places,
                                AccessibilityPlatform& platform,
                                metadata::KeyNotationOptions keyNotation) {
    const std::vector<std::size_t> indices = walk.deckTextIndices();
    std::vector<std::string> texts;
    texts.reserve(indices.size());
    for (const std::size_t index : indices) {
        texts.push_back(*walk.elements[index].value);
    }
    const auto elementsAt = [&](std::size_t from, std::size_t count) {
        std::vector<Element> elements;
        for (std::size_t i = from; i < std::min(from + count, indices.size()); ++i) {
            elements.push_back(walk.elements[indices[i]].element);
        }
        return elements;
    };

    std::vector<Deck> found;
    // Where each deck's texts begin and end among the deck texts.
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    auto placed = AccessibilityTrackPatternMatcher::extractPlacedDeckSlots(texts, keyNotation);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        auto& [slot, start] = placed[i];
        const std::size_t blockSize = slot.isLoaded() ? 4 : 1;
        const std::size_t end = std::min(start + blockSize, texts.size());
        // A deck's texts end where the next deck's begin: a track loading on the deck below
        // is no sign that this one plays.
        const std::size_t next = i + 1 < placed.size() ? placed[i + 1].start : texts.size();
        const std::size_t last =
            std::max(end, std::min({end + kFollowingTexts, next, texts.size()}));
        std::vector<std::string> following(texts.begin() + static_cast<std::ptrdiff_t>(end),
                                           texts.begin() + static_cast<std::ptrdiff_t>(last));
        found.push_back({DeckIdentifier::deck1, std::move(slot), std::move(following),
                         elementsAt(start, blockSize), elementsAt(end, last - end)});
        spans.emplace_back(start, last);
    }

    // First the decks that are where a deck was, then the others in screen order.
    std::vector<std::optional<DeckIdentifier>> numbers(found.size());
    std::vector<bool> taken(kAllDeckIdentifiers.size(), false);
    for (std::size_t i = 0; i < found.size(); ++i) {
        numbers[i] = placeOf(found[i].blockElements, places, taken, platform);
        if (numbers[i]) {
            taken[static_cast<std::size_t>(*numbers[i])] = true;
        }
    }
    std::size_t above = 0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!numbers[i]) {
            std::size_t free = above;
            while (free < taken.size() && taken[free]) {
                ++free;
            }
            if (free < taken.size()) {
                numbers[i] = kAllDeckIdentifiers[free];
                taken[free] = true;
            }
        }
        if (numbers[i]) {
            above = static_cast<std::size_t>(*numbers[i]) + 1;
        }
    }

    DeckLayout layout;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!numbers[i]) {
            continue;
        }
        // Every element above the deck's texts, found through the walk's parents.
        for (std::size_t text = spans[i].first; text < spans[i].second; ++text) {
            for (std::size_t up = walk.elements[indices[text]].parent; up != WindowWalk::kNoParent;
                 up = walk.elements[up].parent) {
                if (!contains(layout.m_holders, walk.elements[up].element, platform)) {
                    layout.m_holders.push_back(walk.elements[up].element);
                }
            }
        }
        found[i].deck = *numbers[i];
        places.insert_or_assign(found[i].deck, found[i].blockElements);
        layout.m_decks.push_back(std::move(found[i]));
    }
    return layout;
}

void DeckLayout::setReading(DeckIdentifier deck,
                            AccessibilityTrackPatternMatcher::DeckSlotState slot,
                            std::vector<std::string> following) {
    for (Deck& remembered : m_decks) {
        if (remembered.deck == deck) {
            remembered.slot = std::move(slot);
            remembered.following = std::move(following);
        }
    }
}

bool DeckLayout::holds(const Element& element, AccessibilityPlatform& platform) const {
    return contains(m_holders, element, platform) ||
           std::ranges::any_of(m_decks, [&](const Deck& deck) {
               return contains(deck.blockElements, element, platform) ||
                      contains(deck.followingElements, element, platform);
           });
}

} // namespace cuevox::decks
