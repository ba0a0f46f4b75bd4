#pragma once

#include "decks/AccessibilityPlatform.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/MonitorClock.hpp"

#include <chrono>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace cuevox::decks {

// What a DJ sends so that we learn the real window of their rekordbox: the accessibility tree
// of its first window, the events it posted while watched, and what the deck finder made of
// them. Reads everything, browsers included, once; never used while a set plays.
struct DeckProbe {
    struct Element {
        std::size_t depth = 0;
        std::optional<std::string> role;
        std::optional<std::string> value;
        std::optional<std::size_t> childCount;
        // Inside a table, outline, row or cell: never read as a deck.
        bool inBrowser = false;
        bool operator==(const Element&) const = default;
    };
    struct Event {
        // Seconds since the watch began.
        double at = 0;
        AccessibilityPlatform::Event::Kind kind = AccessibilityPlatform::Event::Kind::valueChanged;
        // Index in `tree`, when the element is one of it.
        std::optional<std::size_t> element;
    };
    struct Deck {
        DeckIdentifier deck = DeckIdentifier::deck1;
        bool loaded = false;
        // Indices in `tree`: the block's texts, then the texts the playback check compares.
        std::vector<std::size_t> block;
        std::vector<std::size_t> following;
    };

    // Events kept with their times; later ones are only counted.
    static constexpr std::size_t kMaxEvents = 2000;

    bool trusted = false;
    std::optional<AccessibilityPlatform::ProcessID> processIdentifier;
    // Whether the application answered events at all (a subscription was made).
    bool subscribed = false;
    std::vector<Element> tree;
    std::vector<Event> events;
    std::size_t eventsNotKept = 0;
    std::vector<Deck> decks;
    // Indices in `tree` of the static texts left out as browser rows.
    std::vector<std::size_t> browserTexts;

    // Finds the application by its bundle identifier, reads its first window whole, then
    // watches its events for `watch` (a stop request ends the watch early).
    static DeckProbe run(AccessibilityPlatform& platform, const std::string& bundleIdentifier,
                         std::chrono::nanoseconds watch, MonitorClock& clock,
                         std::stop_token stop = {});
};

} // namespace cuevox::decks
