#include "Collection.hpp"
#include "Commands.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "TrackJson.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace cuevox::cli {
namespace {

struct LibraryOptions {
    std::string file;
    bool openKey = false;
    bool json = false;
};

struct GenreCount {
    std::string spelling; // as first written in the collection
    std::size_t count = 0;
};

// Genres that differ only in case or outer spaces are one genre to a DJ.
std::vector<GenreCount> topGenres(const std::vector<metadata::Track>& tracks, std::size_t limit) {
    std::map<std::string, GenreCount> byKey;
    for (const metadata::Track& track : tracks) {
        if (track.genre) {
            GenreCount& entry = byKey[text::toLower(text::trim(*track.genre))];
            if (entry.count++ == 0) {
                entry.spelling = text::trim(*track.genre);
            }
        }
    }
    std::vector<GenreCount> genres;
    for (auto& [key, entry] : byKey) {
        genres.push_back(std::move(entry));
    }
    std::stable_sort(genres.begin(), genres.end(),
                     [](const GenreCount& a, const GenreCount& b) { return a.count > b.count; });
    genres.resize(std::min(genres.size(), limit));
    return genres;
}

void printSummary(const std::string& file, const metadata::RekordboxLibrary& library) {
    const auto& tracks = library.tracks;
    const auto count = [&](auto predicate) {
        return std::count_if(tracks.begin(), tracks.end(), predicate);
    };
    std::unordered_set<std::string> ids;
    for (const metadata::Track& track : tracks) {
        ids.insert(track.id);
    }
    std::size_t entries = 0;
    std::size_t dangling = 0;
    for (const metadata::Playlist& playlist : library.playlists) {
        entries += playlist.trackIDs.size();
        dangling += static_cast<std::size_t>(
            std::count_if(playlist.trackIDs.begin(), playlist.trackIDs.end(),
                          [&](const std::string& id) { return !ids.contains(id); }));
    }

    std::cout << file << '\n'
              << "  tracks          " << tracks.size() << '\n'
              << "  with tempo      " << count([](const auto& t) { return t.bpm.has_value(); })
              << '\n'
              << "  with key        "
              << count([](const auto& t) { return t.camelotKey.has_value(); }) << '\n'
              << "  with energy     " << count([](const auto& t) { return t.energy.has_value(); })
              << '\n'
              << "  with genre      " << count([](const auto& t) { return t.genre.has_value(); })
              << '\n'
              << "  with file path  "
              << count([](const auto& t) { return t.filepath && !t.filepath->empty(); }) << '\n';

    double lowest = 0;
    double highest = 0;
    bool anyTempo = false;
    for (const metadata::Track& track : tracks) {
        if (track.bpm) {
            lowest = anyTempo ? std::min(lowest, *track.bpm) : *track.bpm;
            highest = anyTempo ? std::max(highest, *track.bpm) : *track.bpm;
            anyTempo = true;
        }
    }
    std::cout << "  tempo range     "
              << (anyTempo ? fixed(lowest, 2) + " - " + fixed(highest, 2) + " BPM" : "-") << '\n';

    const std::vector<GenreCount> genres = topGenres(tracks, 5);
    std::cout << "  top genres      ";
    if (genres.empty()) {
        std::cout << '-';
    }
    for (std::size_t i = 0; i < genres.size(); ++i) {
        std::cout << (i > 0 ? ", " : "") << genres[i].spelling << " (" << genres[i].count << ')';
    }
    std::cout << '\n'
              << "  playlists       " << library.playlists.size() << " (" << entries << " entries, "
              << dangling << " pointing at no track)\n";
}

void runLibrary(const LibraryOptions& options, CommandContext& context) {
    const auto library = loadCollection(options.file, libraryReadOptions(options.openKey));
    if (!library) {
        context.exitCode = 1;
        return;
    }
    if (options.json) {
        Json tracks = Json::array();
        for (const metadata::Track& track : library->tracks) {
            tracks.push_back(trackJson(track));
        }
        Json playlists = Json::array();
        for (const metadata::Playlist& playlist : library->playlists) {
            playlists.push_back(playlistJson(playlist, library->playlistNodes));
        }
        printJson(Json{{"tracks", std::move(tracks)}, {"playlists", std::move(playlists)}});
    } else {
        printSummary(options.file, *library);
    }
    context.exitCode = 0;
}

} // namespace

void addLibraryCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<LibraryOptions>();
    CLI::App* command = app.add_subcommand(
        "library", "Read a collection exported from rekordbox (File > Export Collection in xml "
                   "format) and summarise it, or print every track and playlist with --json");
    command->add_option("FILE", options->file, "The exported collection XML file")->required();
    addOpenKeyFlag(*command, options->openKey);
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] { runLibrary(*options, context); });
}

} // namespace cuevox::cli
