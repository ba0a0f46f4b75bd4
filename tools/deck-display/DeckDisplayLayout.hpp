#pragma once

#include "metadata/Track.hpp"

#include <tl/expected.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::tools {

// What the deck display shows besides its decks' texts: two or four decks, and a browser of
// track rows below them, as rekordbox's window has, so that a reader meets a window of real
// size and rows in the decks' own shape.
struct DeckDisplayLayout {
    enum class Column { title, artist, tempo, key, time };

    static constexpr int kMaxDecks = 4;
    static constexpr std::size_t kMaxBrowserRows = 100'000;

    // 2 leaves decks 3 and 4 out of the window altogether.
    int decks = kMaxDecks;
    std::size_t browserRows = 0;
    // The deck-like order by default: title, artist, 128.00, 8A form a deck's block.
    std::vector<Column> columns{Column::title, Column::artist, Column::tempo, Column::key,
                                Column::time};

    bool operator==(const DeckDisplayLayout&) const = default;
};

// "title,artist,tempo,key,time" in any order, each at most once; the error says what is wrong.
tl::expected<std::vector<DeckDisplayLayout::Column>, std::string>
parseBrowserColumns(std::string_view text);

// One browser row's texts in the columns' order: tempo as rekordbox shows it ("128.00"), the
// length as m:ss.
std::vector<std::string> browserRowTexts(const metadata::Track& track,
                                         const std::vector<DeckDisplayLayout::Column>& columns);

} // namespace cuevox::tools
