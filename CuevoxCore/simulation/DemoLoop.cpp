#include "simulation/DemoLoop.hpp"

#include "decks/LibraryTrackIndex.hpp"
#include "recommendation/RecommendationService.hpp"
#include "simulation/DemoSet.hpp"

#include <chrono>

namespace cuevox::simulation {

DemoLoop::DemoLoop()
    : m_rekordbox(std::make_shared<SimulatedRekordbox>([start = std::chrono::steady_clock::now()] {
          return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      })) {}

void DemoLoop::play(std::span<const metadata::Track> tracks) {
    const recommendation::RecommendationService service(
        recommendation::defaultRecommendationSettings());
    const decks::LibraryTrackIndex index(tracks);
    if (std::optional<DemoSet> set = demoSet(tracks, index, service, DemoDecks::four)) {
        const double period = set->lastEventAt + kPauseSeconds;
        m_rekordbox->scheduleRepeating(std::move(set->events), period);
    }
}

} // namespace cuevox::simulation
