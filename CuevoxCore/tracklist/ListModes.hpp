#pragma once

#include "tracklist/EnergyDirection.hpp"
#include "tracklist/HarmonicStrictness.hpp"
#include "tracklist/PitchRange.hpp"

#include <optional>
#include <string>

namespace cuevox::tracklist {

// What a DJ in a live set may turn on beyond the filter bar. Everything off, as built by
// default, gives the basic list.
struct ListModes {
    // Tempos the pitch fader can reach count as matching; 0 keeps the fixed 1 BPM.
    PitchRange pitchRange;
    // A track at twice or half the tempo counts as matching too.
    bool halfDouble = false;
    EnergyDirection energyDirection = EnergyDirection::hold;
    // Only the tracks that a playlist with this id lists; an id no playlist has lists nothing.
    std::optional<std::string> playlistID;
    // Leaves out the tracks already played.
    bool hidePlayed = false;
    // Leaves out the playing artist and the artists of the last three tracks played.
    bool varyArtists = false;
    HarmonicStrictness harmonicStrictness = HarmonicStrictness::strict;
    // The decks keep each track's key whatever its tempo (rekordbox's MASTER TEMPO). Off, the
    // list judges keys as heard: moved by the pitch each track is played at.
    bool keyLock = true;
    // Rows say how their key moves from the playing one.
    bool keyMoves = false;
    // Ranks by what the DJ's own crates, dates and sets say (the style model of the live
    // inputs). The DJ's habits then weigh each key move and tempo step in the ranking in place
    // of the automatic filters; the filters the DJ picks still apply.
    bool style = false;

    // The list then aims at the tempo the source deck shows and says how to pitch each track.
    bool tempoMode() const { return !pitchRange.isOff() || halfDouble; }

    // Rows show their key move, and their key as heard without key lock, when asked or when
    // the DJ loosened the key rules.
    bool showsKeyMoves() const {
        return keyMoves || harmonicStrictness != HarmonicStrictness::strict || !keyLock;
    }

    bool operator==(const ListModes&) const = default;
};

} // namespace cuevox::tracklist
