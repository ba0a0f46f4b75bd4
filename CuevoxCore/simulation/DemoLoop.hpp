#pragma once

#include "metadata/Track.hpp"
#include "simulation/SimulatedRekordbox.hpp"

#include <memory>
#include <span>

namespace cuevox::simulation {

// The demo's rekordbox: a simulated rekordbox on the wall clock that plays a four-deck set drawn
// from the collection over and over, so that the window shows everything without rekordbox.
class DemoLoop {
public:
    // Between the last event of one round and the first of the next.
    static constexpr double kPauseSeconds = 8;

    // The simulation's clock starts now, with four empty decks.
    DemoLoop();

    // What the deck monitor reads.
    const std::shared_ptr<SimulatedRekordbox>& rekordbox() const { return m_rekordbox; }

    // Draws the set from `tracks` and plays it until the loop is destroyed; nothing plays when
    // the collection cannot make one.
    void play(std::span<const metadata::Track> tracks);

private:
    std::shared_ptr<SimulatedRekordbox> m_rekordbox;
};

} // namespace cuevox::simulation
