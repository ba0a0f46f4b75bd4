#pragma once

#include "recommendation/KeyMove.hpp"

#include <array>
#include <cstddef>
#include <optional>

namespace cuevox::style {

// How far a DJ moves the tempo from one track to the next, in percent of the first track's
// tempo, a track at twice or half the tempo counting as the same tempo.
enum class TempoStep { within1, within2, within4, within8, within16, beyond };

inline constexpr std::size_t kTempoStepCount = 6;
inline constexpr std::size_t kKeyMoveCount = 11;

// The signed step in percent from `from` to `to`, ×2 and ½ tried: +1.6 for 125 to 127,
// −0.8 for 128 to 63.5. Nothing unless both tempos are above 0.
std::optional<double> tempoStepPercent(double from, double to);
TempoStep tempoStepOf(double percent);

// What a DJ's sets say about their moves: the share of each key move and tempo step among
// their transitions, with the moves that real DJs make standing in for the ones not yet seen.
class Habits {
public:
    // Only the prior: no set measured.
    Habits();

    void addTransition(std::optional<recommendation::KeyMove> move, std::optional<TempoStep> step);

    double keyShare(recommendation::KeyMove move) const;
    double tempoShare(TempoStep step) const;
    // The transitions measured, with a known key move and with a known tempo step.
    std::size_t keyTransitions() const { return m_keyTransitions; }
    std::size_t tempoTransitions() const { return m_tempoTransitions; }

private:
    std::array<double, kKeyMoveCount> m_keyCounts{};
    std::array<double, kTempoStepCount> m_tempoCounts{};
    std::size_t m_keyTransitions = 0;
    std::size_t m_tempoTransitions = 0;
};

} // namespace cuevox::style
