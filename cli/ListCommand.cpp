#include "Collection.hpp"
#include "Commands.hpp"
#include "FiniteNumber.hpp"
#include "ListModeOptions.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "SourceTrackOption.hpp"
#include "TextArguments.hpp"
#include "TrackJson.hpp"
#include "importing/M3U8Reader.hpp"
#include "metadata/MusicalKeyConverter.hpp"
#include "recommendation/KeyMove.hpp"
#include "style/StyleModel.hpp"
#include "text/Text.hpp"
#include "tracklist/TrackListComputation.hpp"

#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace cuevox::cli {
namespace {

using metadata::Track;
struct ListOptions {
    std::string file;
    SourceTrackOption source;
    std::vector<std::string> genres;
    std::vector<int> bpmRanges;
    std::vector<std::string> keys;
    std::vector<int> energies;
    std::string search;
    tracklist::ListModes modes;
    tracklist::LiveInputs live;
    std::vector<std::string> histories;
    bool openKey = false;
    bool json = false;
};

// What the key column shows: the key, and as heard when key lock is off ("8A → 3A", "≈3A"
// between two keys).
std::string keyText(const Track& track, const tracklist::ListRow& row) {
    std::string text = track.camelotKey ? track.camelotKey->toString() : "-";
    if (const std::optional<tracklist::HeardKey>& heard = row.heardKey) {
        text += " \u2192 " + std::string(heard->isBetweenKeys() ? "\u2248" : "") +
                heard->key.toString();
    }
    return text;
}

std::string moveText(const std::optional<recommendation::KeyMove>& move) {
    using recommendation::KeyMove;
    if (!move) {
        return "-";
    }
    switch (*move) {
    case KeyMove::plusOne: return "+1";
    case KeyMove::minusOne: return "\u22121";
    case KeyMove::boost: return "+2";
    case KeyMove::minusTwo: return "\u22122";
    case KeyMove::semitoneUp: return "semitone up";
    case KeyMove::semitoneDown: return "semitone down";
    default: return std::string(recommendation::nameOf(*move));
    }
}

// A style reason in a few words: "in 3 of your crates", "played after it 2×".
std::string reasonText(const style::StyleReason& reason) {
    using Kind = style::StyleReason::Kind;
    const std::string count = std::to_string(reason.count);
    switch (reason.kind) {
    case Kind::sharedCrates: return "in " + count + " of your crates";
    case Kind::addedTogether:
        return reason.count == 0  ? std::string("added the same day")
               : reason.count < 7 ? std::string("added the same week")
                                  : "added " + count + " days apart";
    case Kind::playedAfter: return "played after it " + count + "\u00D7";
    case Kind::playedBefore: return "played before it " + count + "\u00D7";
    case Kind::keyMove:
        return "your usual " + (reason.move ? moveText(*reason.move) : "-") + " move";
    case Kind::tempoMove:
        return "your usual " + std::string(reason.number >= 0 ? "+" : "\u2212") +
               fixed(std::abs(reason.number), 0) + " % tempo step";
    case Kind::listScore: return "list score " + fixed(reason.number, 0);
    }
    return {};
}

std::string reasonText(const std::optional<style::StyleScore>& style) {
    return style && style->reason ? reasonText(*style->reason) : std::string("-");
}

void printText(const tracklist::PreparedLibrary& library, const std::optional<Track>& source,
               const tracklist::TrackListComputation::Result& result, bool pitchColumn,
               bool moveColumn, bool styleColumn) {
    std::cout << (source ? "After " + source->artist + " \u2013 " + source->title + ": "
                         : std::string("No playing track: "))
              << result.rows.size() << " tracks\n\n";
    for (const tracklist::ListRow& row : result.rows) {
        const Track& track = library.tracks()[row.index];
        std::cout << (row.score ? fixed(*row.score, 1, 5) : std::string("    -")) << "  "
                  << track.artist << " \u2013 " << track.title << "  " << tempoText(track.bpm)
                  << "  " << (pitchColumn ? (row.pitch ? row.pitch->toString() : "-") + "  " : "")
                  << keyText(track, row) << "  " << (moveColumn ? moveText(row.move) + "  " : "")
                  << (track.energy ? "E" + std::to_string(*track.energy) : "-") << "  "
                  << track.genre.value_or("-")
                  << (styleColumn ? "  " + reasonText(row.style) : std::string()) << '\n';
    }
    std::cout << "\nGenres: ";
    for (const tracklist::GenreOption& option : result.genreOptions) {
        std::cout << option.name << " (" << option.count << ")  ";
    }
    std::cout << "\nTempos: ";
    for (const tracklist::BPMRangeOption& option : result.bpmRangeOptions) {
        std::cout << option.range.lowerBound << " - " << option.range.lowerBound + 10 << " ("
                  << option.count << ")  ";
    }
    std::cout << "\nKeys: ";
    for (const tracklist::KeyOption& option : result.keyOptions) {
        std::cout << option.key.toString() << " (" << option.count << ")  ";
    }
    std::cout << "\nEnergies: ";
    for (const tracklist::EnergyOption& option : result.energyOptions) {
        std::cout << option.energy << " (" << option.count << ")  ";
    }
    std::cout << '\n';
}

Json resultJson(const tracklist::PreparedLibrary& library,
                const tracklist::TrackListComputation::Result& result, bool pitchKey, bool moveKeys,
                bool styleKey) {
    Json tracks = Json::array();
    for (const tracklist::ListRow& row : result.rows) {
        Json json{{"id", library.tracks()[row.index].id},
                  {"score", row.score ? Json(*row.score) : Json(nullptr)}};
        if (pitchKey) {
            json["pitch"] = row.pitch ? Json(row.pitch->percent) : Json(nullptr);
        }
        if (moveKeys) {
            json["relation"] = row.move ? Json(recommendation::nameOf(*row.move)) : Json(nullptr);
            json["heardKey"] = row.heardKey ? Json(row.heardKey->key.toString()) : Json(nullptr);
        }
        if (styleKey) {
            json["style"] =
                row.style ? Json{{"score", row.style->score},
                                 {"reason", row.style->reason ? Json(reasonText(*row.style->reason))
                                                              : Json(nullptr)}}
                          : Json(nullptr);
        }
        tracks.push_back(std::move(json));
    }
    Json genres = Json::array();
    for (const auto& option : result.genreOptions) {
        genres.push_back({{"name", option.name}, {"count", option.count}});
    }
    Json ranges = Json::array();
    for (const auto& option : result.bpmRangeOptions) {
        ranges.push_back({{"lowerBound", option.range.lowerBound}, {"count", option.count}});
    }
    Json keys = Json::array();
    for (const auto& option : result.keyOptions) {
        keys.push_back({{"key", option.key.toString()}, {"count", option.count}});
    }
    Json energies = Json::array();
    for (const auto& option : result.energyOptions) {
        energies.push_back({{"energy", option.energy}, {"count", option.count}});
    }
    return Json{{"tracks", std::move(tracks)},
                {"genreOptions", std::move(genres)},
                {"bpmRangeOptions", std::move(ranges)},
                {"keyOptions", std::move(keys)},
                {"energyOptions", std::move(energies)}};
}

void runList(const ListOptions& options, CommandContext& context) {
    // --key is checked before --open-key is known: an Open Key text waits for it.
    for (const std::string& key : options.keys) {
        if (!metadata::MusicalKeyConverter::parseAnyKeyNotation(
                key, libraryReadOptions(options.openKey).keyNotation)) {
            printError("--key: " + quotedInput(key) +
                       " is an Open Key text, read only with --open-key (see cuevox-cli --help)");
            context.exitCode = 2;
            return;
        }
    }
    auto collection = loadCollection(options.file, libraryReadOptions(options.openKey));
    if (!collection) {
        context.exitCode = 1;
        return;
    }
    const tracklist::PreparedLibrary library(std::move(collection->tracks), collection->playlists,
                                             std::move(collection->playlistNodes));

    std::optional<Track> source;
    if (options.source.given()) {
        std::string message;
        source = findSourceTrack(library.tracks(), options.source, options.file, message);
        if (!source) {
            printError(message);
            context.exitCode = 1;
            return;
        }
    }

    if (!hasChosenPlaylist(library, options.modes, options.file)) {
        context.exitCode = 1;
        return;
    }

    tracklist::FilterSelections selections;
    selections.genres.insert(options.genres.begin(), options.genres.end());
    for (const int bound : options.bpmRanges) {
        selections.bpmRanges.insert(tracklist::BPMRange{bound});
    }
    for (const std::string& key : options.keys) {
        selections.keys.insert(*metadata::MusicalKeyConverter::parseAnyKeyNotation(
            key, libraryReadOptions(options.openKey).keyNotation));
    }
    selections.energies.insert(options.energies.begin(), options.energies.end());

    // As the decks give them: each track once, where it first played.
    tracklist::LiveInputs live{options.live.sourceDeckBPM, {}};
    std::unordered_set<std::string_view> played;
    for (const std::string& id : options.live.playedTrackIDs) {
        if (played.insert(id).second) {
            live.playedTrackIDs.push_back(id);
        }
    }
    if (options.modes.style) {
        std::vector<importing::M3U8Reader::M3U8Playlist> histories;
        for (const std::string& file : options.histories) {
            auto history = importing::M3U8Reader::read(file);
            if (!history) {
                printError("cannot read the history " + history.error().message());
                context.exitCode = 1;
                return;
            }
            histories.push_back(std::move(*history));
        }
        live.style = std::make_shared<const style::StyleModel>(
            std::span(library.tracks()), std::span(collection->playlists), std::span(histories));
    }
    const auto result = tracklist::TrackListComputation::compute(
        library, source, selections, options.search, options.modes, live);
    const bool tempoMode = options.modes.tempoMode();
    const bool style = options.modes.style;
    if (options.json) {
        printJson(resultJson(library, result, tempoMode, options.modes.showsKeyMoves(), style));
    } else {
        printText(library, source, result, tempoMode, options.modes.showsKeyMoves(), style);
    }
    context.exitCode = 0;
}

} // namespace

void addListCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ListOptions>();
    CLI::App* command = app.add_subcommand(
        "list", "The main window's track list without a window: the collection narrowed around "
                "the playing track (tempo within 1 BPM, strict key moves, energy within 1) "
                "unless you choose filters, scored and ranked best first");
    command->add_option("FILE", options->file, "The exported collection XML file")->required();
    addSourceTrackOptions(*command, options->source);
    takeOneTextEach(
        command->add_option("--genre", options->genres, "Show only this genre (repeatable)"));
    command
        ->add_option("--bpm-range", options->bpmRanges,
                     "Show only tempos from LOW to LOW + 10, LOW a multiple of 10 (repeatable)")
        ->check([](const std::string& value) {
            const std::optional<long long> bound = text::parseInteger(value);
            return bound && *bound >= 0 && *bound % 10 == 0 ? std::string()
                                                            : "must be a multiple of 10";
        });
    takeOneTextEach(command->add_option("--key", options->keys,
                                        "Show only this key, e.g. 8A or Am (repeatable)"))
        ->check([](const std::string& value) {
            return metadata::MusicalKeyConverter::parseAnyKeyNotation(value, {.openKey = true})
                       ? std::string()
                       : "not a key: " + text::excerpt(value);
        });
    command->add_option("--energy", options->energies, "Show only this energy level (repeatable)")
        ->check(CLI::Range(1, 10));
    command->add_option("--search", options->search,
                        "Only titles or artists containing TEXT (case-insensitive by Unicode "
                        "case folding, the same in every locale; accents count)");
    addListModeOptions(*command, options->modes);
    command
        ->add_option("--deck-bpm", options->live.sourceDeckBPM,
                     "The tempo the playing deck shows, pitch applied; the list aims at it with "
                     "--pitch-range or --half-double, and hears keys at it with --key-lock off")
        ->type_name("BPM")
        ->check(finiteNumber("above 0 and below 1000",
                             [](double bpm) { return bpm > 0 && bpm < 1000; }));
    takeOneTextEach(command->add_option("--played", options->live.playedTrackIDs,
                                        "A TrackID played in this set, oldest first (repeatable)"))
        ->type_name("ID");
    command->add_flag("--style", options->modes.style,
                      "Rank by how you play: the crates that hold both tracks, how close they "
                      "were added, what followed what in your sets (set and HISTORY playlists), "
                      "your usual key and tempo moves in place of the automatic filters; each "
                      "row says why");
    takeOneTextEach(command->add_option("--history", options->histories,
                                        "An M3U8 history of a set, as rekordbox exports its "
                                        "HISTORY playlists, for --style (repeatable)"))
        ->type_name("FILE")
        ->needs("--style");
    addOpenKeyFlag(*command, options->openKey);
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] { runList(*options, context); });
}

} // namespace cuevox::cli
