#pragma once

#include "decks/DeckDisplayInfo.hpp"
#include "decks/DeckIdentifier.hpp"
#include "decks/DeckState.hpp"
#include "decks/LibraryTrackIndex.hpp"
#include "metadata/Track.hpp"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cuevox::decks {

// The decks as a set is played on them: the latest state of each deck, and what those states
// mean against the collection (the rows to show, the source deck and track, the tracks played
// and the tracks loaded). States and restarts change the inputs at once; the outputs follow at
// the next resolve(), so a deck that plays and pauses between two resolves never played.
class DeckSession {
public:
    using DeckStates = std::map<DeckIdentifier, DeckState>;
    using LoadedTrackDecks = std::map<std::string, DeckIdentifier>;

    // Borrows `index` until the next matchAgainst.
    explicit DeckSession(const LibraryTrackIndex& index) : m_index(&index) {}

    // Replaces the deck's previous state; whether that changed it.
    bool update(DeckState state);
    // rekordbox restarted: every deck and every played track is forgotten.
    void restart();
    // Another collection: resolves every deck against it at once. Borrows `index`.
    void matchAgainst(const LibraryTrackIndex& index);
    void resolve();

    const DeckStates& deckStates() const { return m_states; }

    // One row per deck that holds a track, in deck order.
    const std::vector<DeckDisplayInfo>& activeDecks() const { return m_rows; }
    std::optional<DeckIdentifier> sourceDeck() const {
        return m_sourceState ? std::optional(m_sourceState->deck) : std::nullopt;
    }
    // The source deck's state as observed, with the deck's own texts and tempo.
    const std::optional<DeckState>& sourceDeckState() const { return m_sourceState; }
    // Absent when no deck is the source or its track is not in the collection.
    const std::optional<metadata::Track>& sourceTrack() const { return m_sourceTrack; }
    // What the source deck shows when the collection does not hold it.
    const std::optional<UnresolvedTrackInfo>& unresolvedTrackInfo() const { return m_unresolved; }
    // Collection tracks that have played since the last restart, as a set and in the order
    // they first played.
    const std::set<std::string>& playedTrackIDs() const { return m_played; }
    const std::vector<std::string>& playedOrder() const { return m_playedOrder; }
    // Each loaded collection track with the first deck that holds it.
    const LoadedTrackDecks& loadedTrackDecks() const { return m_loaded; }

private:
    const LibraryTrackIndex* m_index;
    DeckStates m_states;
    std::vector<DeckDisplayInfo> m_rows;
    std::optional<DeckState> m_sourceState;
    std::optional<metadata::Track> m_sourceTrack;
    std::optional<UnresolvedTrackInfo> m_unresolved;
    std::set<std::string> m_played;
    std::vector<std::string> m_playedOrder;
    LoadedTrackDecks m_loaded;
};

} // namespace cuevox::decks
