#include "deck-display/DeckDisplayController.hpp"

#include "simulation/DemoSet.hpp"

#include <algorithm>

namespace cuevox::tools {

using simulation::SimulationAction;
using Verb = DeckDisplayCommand::Verb;

DeckDisplayController::DeckDisplayController(std::vector<metadata::Track> tracks,
                                             simulation::SimulatedRekordbox::TimeSource now,
                                             int decks)
    : m_tracks(std::move(tracks)), m_decks(decks), m_rekordbox(std::move(now)) {}

std::optional<std::string> DeckDisplayController::perform(const DeckDisplayCommand& command) {
    if (command.deck > m_decks) {
        return "no deck " + std::to_string(command.deck) + ": the display shows " +
               std::to_string(m_decks) + " decks";
    }
    const auto act = [&](SimulationAction action,
                         std::optional<simulation::SimulatedTrack> track = {}) {
        m_rekordbox.perform({0, action, command.deck, std::move(track)});
        return std::optional<std::string>();
    };
    switch (command.verb) {
    case Verb::load: {
        const auto track = std::find_if(m_tracks.begin(), m_tracks.end(), [&](const auto& track) {
            return track.id == command.trackID;
        });
        if (track == m_tracks.end()) {
            return "no track with ID " + command.trackID + " in the collection";
        }
        return act(SimulationAction::load, simulation::SimulatedTrack::from(*track));
    }
    case Verb::loadNext:
        for (std::size_t step = 0; step < m_tracks.size(); ++step) {
            const metadata::Track& track = m_tracks[(m_next + step) % m_tracks.size()];
            simulation::SimulatedTrack shown = simulation::SimulatedTrack::from(track);
            // A track without a tempo is a deck too, but "next" picks one worth following.
            if (track.bpm && simulation::isShowable(shown)) {
                m_next = (m_next + step + 1) % m_tracks.size();
                return act(SimulationAction::load, std::move(shown));
            }
        }
        return std::string("no track in the collection has a title and a tempo to show");
    case Verb::play: return act(SimulationAction::play);
    case Verb::pause: return act(SimulationAction::pause);
    case Verb::toggle:
        return act(m_rekordbox.isPlaying(command.deck) ? SimulationAction::pause
                                                       : SimulationAction::play);
    case Verb::eject: return act(SimulationAction::eject);
    case Verb::quit:
    case Verb::flood: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace cuevox::tools
