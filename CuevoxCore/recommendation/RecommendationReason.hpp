#pragma once

#include <optional>
#include <string>

namespace cuevox::recommendation {

// Why a candidate scored as it did in one dimension, with a short English label for display.
// Only the three offset-carrying cases hold a value; the others compare by case alone.
class RecommendationReason {
public:
    enum class Kind {
        compatibleGenre,
        bpmOffset,
        energyOffset,
        sameGenre,
        genreMismatch,
        sameBPM,
        harmonicSame,
        harmonicAdjacent,
        harmonicRelative,
        harmonicRelativeAdjacent,
        harmonicEnergyBoost,
        harmonicIncompatible,
        harmonicUnknown,
        sameEnergy,
        energyUnknown,
    };

    static constexpr RecommendationReason compatibleGenre(int percent) {
        return {Kind::compatibleGenre, percent, 0};
    }
    // Candidate tempo minus current tempo.
    static constexpr RecommendationReason bpmOffset(double offset) {
        return {Kind::bpmOffset, 0, offset};
    }
    // Candidate energy minus current energy.
    static constexpr RecommendationReason energyOffset(int offset) {
        return {Kind::energyOffset, offset, 0};
    }
    static constexpr RecommendationReason sameGenre() { return {Kind::sameGenre}; }
    static constexpr RecommendationReason genreMismatch() { return {Kind::genreMismatch}; }
    static constexpr RecommendationReason sameBPM() { return {Kind::sameBPM}; }
    static constexpr RecommendationReason harmonicSame() { return {Kind::harmonicSame}; }
    static constexpr RecommendationReason harmonicAdjacent() { return {Kind::harmonicAdjacent}; }
    static constexpr RecommendationReason harmonicRelative() { return {Kind::harmonicRelative}; }
    static constexpr RecommendationReason harmonicRelativeAdjacent() {
        return {Kind::harmonicRelativeAdjacent};
    }
    static constexpr RecommendationReason harmonicEnergyBoost() {
        return {Kind::harmonicEnergyBoost};
    }
    static constexpr RecommendationReason harmonicIncompatible() {
        return {Kind::harmonicIncompatible};
    }
    static constexpr RecommendationReason harmonicUnknown() { return {Kind::harmonicUnknown}; }
    static constexpr RecommendationReason sameEnergy() { return {Kind::sameEnergy}; }
    static constexpr RecommendationReason energyUnknown() { return {Kind::energyUnknown}; }

    constexpr Kind kind() const { return m_kind; }

    // The carried values; nothing for the other cases.
    constexpr std::optional<int> percent() const {
        return m_kind == Kind::compatibleGenre ? std::optional<int>(m_integer) : std::nullopt;
    }
    constexpr std::optional<double> bpmOffsetValue() const {
        return m_kind == Kind::bpmOffset ? std::optional<double>(m_real) : std::nullopt;
    }
    constexpr std::optional<int> energyOffsetValue() const {
        return m_kind == Kind::energyOffset ? std::optional<int>(m_integer) : std::nullopt;
    }

    // "✓ Same Genre", "+0.5 BPM", "~80% Genre Match": fixed English texts, never translated.
    std::string label() const;

    // The unused value is always zero, so comparing every field compares case and value.
    constexpr bool operator==(const RecommendationReason&) const = default;

private:
    constexpr RecommendationReason(Kind kind, int integer = 0, double real = 0)
        : m_kind(kind), m_integer(integer), m_real(real) {}

    Kind m_kind;
    int m_integer;
    double m_real;
};

} // namespace cuevox::recommendation
