#include "deck-display/DeckDisplayLayout.hpp"

#include "simulation/SimulatedRekordbox.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace cuevox::tools {
namespace {

using Column = DeckDisplayLayout::Column;

constexpr std::array<std::pair<std::string_view, Column>, 5> kColumns{{
    {"title", Column::title},
    {"artist", Column::artist},
    {"tempo", Column::tempo},
    {"key", Column::key},
    {"time", Column::time},
}};

} // namespace

tl::expected<std::vector<Column>, std::string> parseBrowserColumns(std::string_view text) {
    std::vector<Column> columns;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view name = text.substr(start, end - start);
        const auto* found =
            std::ranges::find(kColumns, name, &std::pair<std::string_view, Column>::first);
        if (found == kColumns.end()) {
            return tl::unexpected("no column \"" + text::escapeForMessage(name) +
                                  "\": columns are title, artist, tempo, key and time");
        }
        if (std::ranges::find(columns, found->second) != columns.end()) {
            return tl::unexpected("column " + std::string(name) + " twice");
        }
        columns.push_back(found->second);
        start = end + 1;
    }
    return columns;
}

std::vector<std::string> browserRowTexts(const metadata::Track& track,
                                         const std::vector<Column>& columns) {
    const simulation::SimulatedTrack shown = simulation::SimulatedTrack::from(track);
    // A collection may claim any length; none is shown past a million minutes.
    const long long seconds = std::llround(std::min(shown.duration, 6e7));
    char time[32];
    std::snprintf(time, sizeof time, "%lld:%02lld", seconds / 60, seconds % 60);
    std::vector<std::string> texts;
    for (const Column column : columns) {
        switch (column) {
        case Column::title: texts.push_back(shown.title); break;
        case Column::artist: texts.push_back(shown.artist); break;
        case Column::tempo: texts.push_back(shown.tempoText); break;
        case Column::key: texts.push_back(shown.keyText); break;
        case Column::time: texts.push_back(time); break;
        }
    }
    return texts;
}

} // namespace cuevox::tools
