#pragma once

namespace cuevox::tracklist {

// Which keys the automatic key filter lets through around the playing key: the strict moves
// (same, relative, one step), the balanced ones (also the diagonals and the +2 boost), or any
// key, the list then ranking by the harmonic score alone.
enum class HarmonicStrictness { strict, balanced, open };

} // namespace cuevox::tracklist
