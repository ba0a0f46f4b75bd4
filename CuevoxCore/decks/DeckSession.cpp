#include "decks/DeckSession.hpp"

#include "decks/SourceDeckResolver.hpp"

#include <algorithm>

namespace cuevox::decks {

bool DeckSession::update(DeckState state) {
    const DeckIdentifier deck = state.deck;
    const auto previous = m_states.find(deck);
    const bool changed = previous == m_states.end() || !(previous->second == state);
    m_states.insert_or_assign(deck, std::move(state));
    return changed;
}

void DeckSession::restart() {
    m_states.clear();
    m_played.clear();
    m_playedOrder.clear();
}

void DeckSession::matchAgainst(const LibraryTrackIndex& index) {
    m_index = &index;
    resolve();
}

void DeckSession::resolve() {
    // The map is ordered by deck, which is the order of the decks' raw values.
    std::vector<DeckState> states;
    std::vector<DeckDisplayInfo> rows;
    for (const auto& [deck, state] : m_states) {
        states.push_back(state);
        if (!state.track) {
            continue;
        }
        DeckDisplayInfo row{deck, std::nullopt, std::nullopt, state.isPlaying};
        if (const metadata::Track* match = m_index->find(state.track->title, state.track->artist)) {
            row.track = *match;
        } else {
            row.unresolvedTrackInfo = UnresolvedTrackInfo{state.track->title, state.track->artist};
        }
        rows.push_back(std::move(row));
    }
    m_rows = std::move(rows);

    m_loaded.clear();
    for (const DeckDisplayInfo& row : m_rows) {
        if (!row.track) {
            continue;
        }
        if (row.isPlaying && m_played.insert(row.track->id).second) {
            m_playedOrder.push_back(row.track->id);
        }
        m_loaded.try_emplace(row.track->id, row.deck);
    }

    m_sourceState = SourceDeckResolver::resolveSource(states);
    const auto row = std::find_if(m_rows.begin(), m_rows.end(), [&](const DeckDisplayInfo& r) {
        return m_sourceState && r.deck == m_sourceState->deck;
    });
    if (row == m_rows.end()) {
        m_sourceState.reset();
        m_sourceTrack.reset();
        m_unresolved.reset();
    } else {
        m_sourceTrack = row->track;
        m_unresolved = row->unresolvedTrackInfo;
    }
}

} // namespace cuevox::decks
