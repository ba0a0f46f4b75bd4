#pragma once

namespace cuevox::tracklist {

// Where the DJ wants the energy of the set to go next: the list aims one level above or below
// the playing track's energy, or at the same level.
enum class EnergyDirection { hold, up, down };

} // namespace cuevox::tracklist
