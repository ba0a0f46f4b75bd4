#pragma once

#include "metadata/Track.hpp"
#include "recommendation/BPMMatcher.hpp"
#include "recommendation/EnergyMatcher.hpp"
#include "recommendation/GenreMatcher.hpp"
#include "recommendation/HarmonicMatcher.hpp"
#include "recommendation/Recommendation.hpp"
#include "recommendation/RecommendationScorer.hpp"
#include "recommendation/RecommendationSettings.hpp"

#include <optional>
#include <span>
#include <vector>

namespace cuevox::recommendation {

// Ranks a collection against the playing track: filters by genre, tempo and key, scores,
// removes duplicate recordings and keeps the best. The matchers are derived from the settings
// once, so a service is immutable and may be shared between threads.
class RecommendationService {
public:
    explicit RecommendationService(RecommendationSettings settings);

    const RecommendationSettings& settings() const { return m_settings; }
    const GenreMatcher& genreMatcher() const { return m_genreMatcher; }
    const BPMMatcher& bpmMatcher() const { return m_bpmMatcher; }
    const HarmonicMatcher& harmonicMatcher() const { return m_harmonicMatcher; }
    const EnergyMatcher& energyMatcher() const { return m_energyMatcher; }
    const RecommendationScorer& scorer() const { return m_scorer; }

    // Best first, at most `settings().resultCount`; empty when the source has no tempo.
    // Candidates are judged in the order given: among tracks of one duplicate key only the
    // first can ever appear, even if it is dropped for another reason.
    std::vector<Recommendation> recommendations(const metadata::Track& source,
                                                std::span<const metadata::Track> candidates) const;

private:
    RecommendationSettings m_settings;
    GenreMatcher m_genreMatcher;
    BPMMatcher m_bpmMatcher;
    HarmonicMatcher m_harmonicMatcher;
    EnergyMatcher m_energyMatcher;
    RecommendationScorer m_scorer;
};

// Key and energy as the ranking reads them: the stored value, else what the texts say.
std::optional<metadata::CamelotKey> keyOf(const metadata::Track& track);
std::optional<int> energyOf(const metadata::Track& track);

} // namespace cuevox::recommendation
