#pragma once

#include "deck-display/DeckDisplayLayout.hpp"
#include "metadata/Track.hpp"

#include <QWidget>
#include <vector>

namespace cuevox::tools {

// The browser below the decks: `rows` track rows, the collection's tracks over and over, each
// a row of labels inside a table, as accessibility shows rekordbox's collection (table, rows,
// static texts). Labels are placed by hand: layouts for thousands of rows would cost seconds.
class BrowserTable final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 22;

    BrowserTable(const std::vector<metadata::Track>& tracks, std::size_t rows,
                 const std::vector<DeckDisplayLayout::Column>& columns, QWidget* parent);
};

// One row of the browser, a row to accessibility.
class BrowserRow final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

} // namespace cuevox::tools
