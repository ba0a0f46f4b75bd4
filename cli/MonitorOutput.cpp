#include "MonitorOutput.hpp"

#include <iostream>
#include <optional>
#include <string>
#include <variant>

namespace cuevox::cli {
namespace {

using metadata::Track;

int deckNumber(decks::DeckIdentifier deck) {
    return static_cast<int>(deck) + 1;
}

std::string artistAndTitle(const Track& track) {
    return track.artist + " \u2013 " + track.title;
}

const char* stateName(const decks::DeckState& state) {
    return !state.track ? "empty" : state.isPlaying ? "playing" : "paused";
}

void printDeck(const DeckEvent& event) {
    const std::string state = stateName(event.state);
    std::cout << "DECK " << deckNumber(event.state.deck) << "  " << state;
    if (event.state.track) {
        std::cout << std::string(8 - state.size(), ' ') << artistAndTitle(*event.state.track)
                  << "  "
                  << (event.trackID ? "(id " + *event.trackID + ")" : "(not in collection)");
    }
    std::cout << '\n';
}

void printSource(const SourceEvent& event, bool tempoMode) {
    if (!event.source) {
        std::cout << "source: none, nothing to recommend\n";
        return;
    }
    std::cout << "source: DECK " << deckNumber(event.source->deck) << ", "
              << artistAndTitle(*event.source->track);
    if (!event.trackID) {
        std::cout << " is not in the collection: nothing to recommend\n";
    } else if (event.recommendations.empty()) {
        std::cout << ": no track fits after it\n";
    } else {
        std::cout << ", next:\n";
    }
    int rank = 0;
    for (const auto& next : event.recommendations) {
        std::cout << "           " << ++rank << ". " << fixed(next.score, 1, 5) << "  "
                  << artistAndTitle(next.track) << "  " << tempoText(next.track.bpm) << "  "
                  << (tempoMode ? (next.pitch ? next.pitch->toString() : "-") + "  " : "")
                  << (next.track.camelotKey ? next.track.camelotKey->toString() : "-") << '\n';
    }
}

} // namespace

Json toJson(const ReportEvent& event, bool tempoMode) {
    if (const auto* deck = std::get_if<DeckEvent>(&event)) {
        const std::optional<Track>& shown = deck->state.track;
        return Json{{"at", deck->at},
                    {"type", "deck"},
                    {"deck", deckNumber(deck->state.deck)},
                    {"state", stateName(deck->state)},
                    {"title", shown ? Json(shown->title) : Json(nullptr)},
                    {"artist", shown ? Json(shown->artist) : Json(nullptr)},
                    {"bpm", shown ? jsonOrNull(shown->bpm) : Json(nullptr)},
                    {"key", shown ? jsonOrNull(shown->musicalKey) : Json(nullptr)},
                    {"trackID", jsonOrNull(deck->trackID)}};
    }
    if (const auto* restart = std::get_if<RestartEvent>(&event)) {
        return Json{{"at", restart->at}, {"type", "restart"}};
    }
    const auto& source = std::get<SourceEvent>(event);
    const std::optional<decks::DeckState>& deck = source.source;
    Json recommendations = Json::array();
    for (const auto& next : source.recommendations) {
        Json row{{"id", next.track.id},
                 {"title", next.track.title},
                 {"artist", next.track.artist},
                 {"score", next.score},
                 {"bpm", jsonOrNull(next.track.bpm)},
                 {"key",
                  next.track.camelotKey ? Json(next.track.camelotKey->toString()) : Json(nullptr)}};
        if (tempoMode) {
            row["pitch"] = next.pitch ? Json(next.pitch->percent) : Json(nullptr);
        }
        recommendations.push_back(std::move(row));
    }
    return Json{{"at", source.at},
                {"type", "source"},
                {"deck", deck ? Json(deckNumber(deck->deck)) : Json(nullptr)},
                {"trackID", jsonOrNull(source.trackID)},
                {"title", deck ? Json(deck->track->title) : Json(nullptr)},
                {"artist", deck ? Json(deck->track->artist) : Json(nullptr)},
                {"recommendations", std::move(recommendations)}};
}

void printText(const ReportEvent& event, bool tempoMode) {
    std::visit([](const auto& e) { std::cout << fixed(e.at, 2, 7) << "s  "; }, event);
    if (const auto* deck = std::get_if<DeckEvent>(&event)) {
        printDeck(*deck);
    } else if (std::holds_alternative<RestartEvent>(event)) {
        std::cout << "rekordbox restarted under a new process id: every deck is forgotten\n";
    } else {
        printSource(std::get<SourceEvent>(event), tempoMode);
    }
    std::cout.flush();
}

} // namespace cuevox::cli
