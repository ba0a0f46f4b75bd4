#include "ChoiceOption.hpp"
#include "Collection.hpp"
#include "Commands.hpp"
#include "GenreTableFile.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "SourceTrackOption.hpp"
#include "TextArguments.hpp"
#include "recommendation/ConfigurableGenreCompatibility.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"
#include "recommendation/RecommendationService.hpp"
#include "recommendation/RecommendationSettings.hpp"
#include "text/FromChars.hpp"
#include "text/Text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace cuevox::cli {
namespace {

using metadata::Track;
using recommendation::EnergyToleranceMode;
using recommendation::GenreMode;
using recommendation::HarmonicMode;
using recommendation::Recommendation;

const recommendation::RecommendationSettings kDefaults =
    recommendation::defaultRecommendationSettings();

struct RecommendOptions {
    std::string file;
    SourceTrackOption source;
    std::size_t count = kDefaults.resultCount;
    recommendation::RecommendationWeights weights = kDefaults.weights;
    recommendation::BPMTolerance bpmTolerance = kDefaults.bpmTolerance;
    HarmonicMode harmonicMode = kDefaults.harmonicMode;
    EnergyToleranceMode energyMode = kDefaults.energyMode;
    GenreMode genreMode = kDefaults.genreMode;
    std::optional<std::string> genreTable;
    std::vector<std::string> excluded;
    bool openKey = false;
    bool json = false;
};

// "A,B,..." with exactly `count` finite numbers of 0 or more; otherwise the message says which
// part is wrong and why.
std::vector<double> parseNumbers(const std::string& text, std::size_t count, std::string& message) {
    std::vector<std::string> parts{""};
    for (const char c : text) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    if (parts.size() != count) {
        message = "needs " + std::to_string(count) + " numbers separated by commas, not " +
                  std::to_string(parts.size()) + " in \"" + text::excerpt(text) + "\"";
        return {};
    }
    std::vector<double> numbers;
    for (const std::string& raw : parts) {
        const std::string part = text::trim(raw);
        double value = 0;
        const auto [end, error] = text::fromChars(part.data(), part.data() + part.size(), value);
        if (part.empty() || end != part.data() + part.size() ||
            (error != std::errc{} && error != std::errc::result_out_of_range)) {
            message = "\"" + text::excerpt(part) + "\" is not a number";
            return {};
        }
        if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
            message = "\"" + text::excerpt(part) + "\" is not a finite number";
            return {};
        }
        if (value < 0) {
            message = "\"" + text::excerpt(part) + "\" is negative";
            return {};
        }
        numbers.push_back(value);
    }
    return numbers;
}

// Registers an option holding `count` comma-separated numbers, each passed to `store`.
template <typename Store>
void addNumbersOption(CLI::App& command, const std::string& name, const std::string& typeName,
                      std::size_t count, const std::string& description, Store store) {
    command
        .add_option_function<std::string>(
            name,
            [count, store](const std::string& text) {
                std::string unused;
                store(parseNumbers(text, count, unused));
            },
            description)
        ->check([count](const std::string& text) {
            std::string message;
            parseNumbers(text, count, message);
            return message;
        })
        ->type_name(typeName);
}

constexpr std::array<Choice<HarmonicMode>, 3> kHarmonicModes{{
    {"strict", HarmonicMode::strict},
    {"balanced", HarmonicMode::balanced},
    {"experimental", HarmonicMode::experimental},
}};
constexpr std::array<Choice<EnergyToleranceMode>, 3> kEnergyModes{{
    {"exact", EnergyToleranceMode::exact},
    {"plusMinus1", EnergyToleranceMode::plusMinus1},
    {"plusMinus2", EnergyToleranceMode::plusMinus2},
}};
constexpr std::array<Choice<GenreMode>, 2> kGenreModes{{
    {"exactOnly", GenreMode::exactOnly},
    {"compatibleGenres", GenreMode::compatibleGenres},
}};

std::string keyText(const Track& track) {
    const auto key = recommendation::keyOf(track);
    return key ? key->toString() : "-";
}

std::string energyText(const Track& track) {
    const auto energy = recommendation::energyOf(track);
    return energy ? "E" + std::to_string(*energy) : "-";
}

std::string name(const Track& track) {
    return track.artist + " \u2013 " + track.title;
}

void printText(const Track& source, const std::vector<Recommendation>& recommendations) {
    std::cout << "After " << name(source) << "  " << tempoText(source.bpm) << "  "
              << keyText(source) << "  " << energyText(source) << '\n';
    if (recommendations.empty()) {
        std::cout << (source.bpm ? "No track of the collection fits after it with these settings.\n"
                                 : "It has no tempo, so nothing can be ranked against it.\n");
        return;
    }

    using Row = std::vector<std::string>;
    std::vector<Row> rows{
        {"#", "Score", "Track", "BPM", "Key", "E", "Genre", "Tempo", "Harmonic", "Energy"}};
    for (std::size_t rank = 0; rank < recommendations.size(); ++rank) {
        const Recommendation& recommendation = recommendations[rank];
        const Track& track = recommendation.track;
        Row row{std::to_string(rank + 1),
                fixed(recommendation.score, 1),
                name(track),
                tempoText(track.bpm),
                keyText(track),
                energyText(track)};
        for (const auto& reason : recommendation.reasons) {
            row.push_back(reason.label());
        }
        rows.push_back(std::move(row));
    }
    // Rank and score line up on the right, texts on the left; widths count terminal columns.
    const std::size_t columns = rows.front().size();
    std::vector<std::size_t> widths(columns, 0);
    for (const Row& row : rows) {
        for (std::size_t column = 0; column < columns; ++column) {
            widths[column] = std::max(widths[column], text::displayWidth(row[column]));
        }
    }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < columns; ++column) {
            const std::string padding(widths[column] - text::displayWidth(row[column]), ' ');
            const bool rightAligned = column < 2 || column == 3;
            line += column == 0 ? "" : "  ";
            line += rightAligned ? padding + row[column] : row[column];
            if (!rightAligned && column + 1 < columns) {
                line += padding;
            }
        }
        std::cout << line << '\n';
    }
}

Json recommendationsJson(const std::vector<Recommendation>& recommendations) {
    Json list = Json::array();
    for (const Recommendation& recommendation : recommendations) {
        Json reasons = Json::array();
        for (const auto& reason : recommendation.reasons) {
            reasons.push_back(reason.label());
        }
        const auto& breakdown = recommendation.breakdown;
        list.push_back({{"id", recommendation.track.id},
                        {"title", recommendation.track.title},
                        {"artist", recommendation.track.artist},
                        {"score", recommendation.score},
                        {"breakdown",
                         {{"genre", breakdown.genre},
                          {"bpm", breakdown.bpm},
                          {"harmonic", breakdown.harmonic},
                          {"energy", breakdown.energy}}},
                        {"reasons", std::move(reasons)}});
    }
    return list;
}

void runRecommend(const RecommendOptions& options, CommandContext& context) {
    requireSourceTrack(options.source);

    recommendation::AnyGenreCompatibility provider = recommendation::ExactGenreCompatibility{};
    if (options.genreTable) {
        auto table = GenreTableFile::read(*options.genreTable);
        if (!table) {
            printError(table.error());
            context.exitCode = 1;
            return;
        }
        provider = recommendation::ConfigurableGenreCompatibility{std::move(*table)};
    }

    const auto collection = loadCollection(options.file, libraryReadOptions(options.openKey));
    if (!collection) {
        context.exitCode = 1;
        return;
    }
    const std::vector<Track>& tracks = collection->tracks;
    std::string message;
    const std::optional<Track> source =
        findSourceTrack(tracks, options.source, options.file, message);
    if (!source) {
        printError(message);
        context.exitCode = 1;
        return;
    }

    const recommendation::RecommendationService service({
        .weights = options.weights,
        .bpmTolerance = options.bpmTolerance,
        .genreMode = options.genreMode,
        .genreProvider = std::move(provider),
        .harmonicMode = options.harmonicMode,
        .energyMode = options.energyMode,
        .resultCount = options.count,
        .excludedTrackIDs = {options.excluded.begin(), options.excluded.end()},
    });
    const std::vector<Recommendation> recommendations = service.recommendations(*source, tracks);
    if (options.json) {
        printJson(recommendationsJson(recommendations));
    } else {
        printText(*source, recommendations);
    }
    context.exitCode = 0;
}

} // namespace

void addRecommendCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<RecommendOptions>();
    CLI::App* command = app.add_subcommand(
        "recommend", "Rank the whole collection against the playing track with the settings you "
                     "choose: genre, tempo, key and energy, best first, with the reasons");
    command->add_option("FILE", options->file, "The exported collection XML file")->required();
    addSourceTrackOptions(*command, options->source);
    command
        ->add_option_function<std::string>(
            "--count",
            [options](const std::string& text) {
                options->count = static_cast<std::size_t>(*text::parseInteger(text));
            },
            "How many recommendations at most (default 20)")
        ->check([](const std::string& text) {
            const std::optional<long long> count = text::parseInteger(text);
            if (!count) {
                return "must be a whole number, not \"" + text::excerpt(text) + "\"";
            }
            return *count < 0 ? "must be 0 or more, not " + text::excerpt(text) : std::string();
        })
        ->type_name("N");
    addNumbersOption(*command, "--weights", "G,B,H,E", 4,
                     "Weights of genre, tempo, key and energy as G,B,H,E, 0 or more each; "
                     "they need not add up to 1 (default 0.35,0.25,0.25,0.15)",
                     [options](const std::vector<double>& numbers) {
                         options->weights = {numbers[0], numbers[1], numbers[2], numbers[3]};
                     });
    addNumbersOption(*command, "--bpm-tolerance", "EXACT,MAX", 2,
                     "Tempo differences in BPM as EXACT,MAX: up to EXACT is the same tempo, "
                     "beyond MAX a track is left out (default 0.15,1.0)",
                     [options](const std::vector<double>& numbers) {
                         options->bpmTolerance = {numbers[0], numbers[1]};
                     });
    addChoiceOption(*command, "--harmonic", options->harmonicMode, kHarmonicModes,
                    "Key moves allowed: strict (same, ±1, relative), balanced (also diagonal and "
                    "+2 energy boost) or experimental (any key) (default strict)");
    addChoiceOption(*command, "--energy", options->energyMode, kEnergyModes,
                    "How fast the energy score falls with distance: exact, plusMinus1 or "
                    "plusMinus2 (default plusMinus1)");
    addChoiceOption(*command, "--genre-mode", options->genreMode, kGenreModes,
                    "exactOnly (the same genre, ignoring case) or compatibleGenres (also genres "
                    "the genre table rates above 0) (default exactOnly)");
    command
        ->add_option("--genre-table", options->genreTable,
                     "JSON file (- for stdin) of genre compatibilities in lower case, e.g. "
                     "{\"house\": {\"tech house\": 0.8}} (from house, tech house fits 80%)")
        ->type_name("FILE");
    takeOneTextEach(command->add_option("--exclude", options->excluded,
                                        "Never recommend this TrackID (repeatable)"))
        ->type_name("ID");
    addOpenKeyFlag(*command, options->openKey);
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] { runRecommend(*options, context); });
}

} // namespace cuevox::cli
