#include "Collection.hpp"
#include "Commands.hpp"
#include "Output.hpp"
#include "evaluation/SetEvaluation.hpp"
#include "style/SetPattern.hpp"
#include "text/Text.hpp"

#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::cli {
namespace {

using evaluation::Evaluation;
using evaluation::Ranking;
using evaluation::RankingFigures;

struct EvaluateOptions {
    std::vector<std::string> files;
    std::optional<std::string> sets;
    bool json = false;
};

struct RankingName {
    Ranking ranking;
    std::string_view json;
    std::string_view text;
};

constexpr std::array<RankingName, evaluation::kRankingCount> kRankings{{
    {Ranking::defaultList, "defaultList", "window's list"},
    {Ranking::recommend, "recommend", "recommend"},
    {Ranking::style, "style", "style"},
}};

// Each figure in a column of 9, right-aligned under its heading.
std::string percent(double share) {
    return "  " + fixed(share * 100, 1, 5) + " %";
}

void printText(std::string_view title, const Evaluation& evaluation) {
    std::cout << title << ": " << evaluation.sets << (evaluation.sets == 1 ? " set, " : " sets, ")
              << evaluation[Ranking::style].pairs << " pairs\n";
    if (evaluation[Ranking::style].pairs == 0) {
        std::cout << "  no set holds two tracks of the collection one after the other\n";
        return;
    }
    std::cout << "                  in list    hit@5   hit@10    MRR\n";
    for (const RankingName& name : kRankings) {
        const RankingFigures& figures = evaluation[name.ranking];
        std::string label(name.text);
        label.resize(14, ' ');
        std::cout << "  " << label << percent(figures.shareListed()) << percent(figures.hit5())
                  << percent(figures.hit10()) << "  " << fixed(figures.meanReciprocalRank(), 3)
                  << '\n';
    }
}

Json evaluationJson(Json document, const Evaluation& evaluation) {
    Json rankings = Json::object();
    for (const RankingName& name : kRankings) {
        const RankingFigures& figures = evaluation[name.ranking];
        // Without pairs there is nothing to share out.
        const auto share = [&figures](double value) {
            return figures.pairs == 0 ? Json(nullptr) : Json(value);
        };
        rankings[std::string(name.json)] = {
            {"shareInList", share(figures.shareListed())},
            {"hit5", share(figures.hit5())},
            {"hit10", share(figures.hit10())},
            {"meanReciprocalRank", share(figures.meanReciprocalRank())}};
    }
    document["sets"] = evaluation.sets;
    document["pairs"] = evaluation[Ranking::style].pairs;
    document["rankings"] = std::move(rankings);
    return document;
}

void runEvaluate(const EvaluateOptions& options, CommandContext& context) {
    evaluation::EvaluationOptions evaluationOptions;
    if (options.sets) {
        evaluationOptions.sets = *style::SetPattern::fromString(*options.sets);
    }
    // Every file is read before anything is printed, so a bad one leaves no half a report.
    std::vector<metadata::RekordboxLibrary> libraries;
    for (const std::string& file : options.files) {
        auto collection = loadCollection(file);
        if (!collection) {
            context.exitCode = 1;
            return;
        }
        libraries.push_back(std::move(*collection));
    }

    Evaluation overall;
    Json files = Json::array();
    for (std::size_t i = 0; i < libraries.size(); ++i) {
        const Evaluation evaluation = evaluation::evaluate(libraries[i], evaluationOptions);
        overall += evaluation;
        if (options.json) {
            files.push_back(evaluationJson({{"file", options.files[i]}}, evaluation));
        } else {
            std::cout << (i == 0 ? "" : "\n");
            printText(std::filesystem::path(options.files[i]).filename().string(), evaluation);
        }
    }
    if (options.json) {
        printJson(
            {{"files", std::move(files)}, {"overall", evaluationJson(Json::object(), overall)}});
    } else if (libraries.size() > 1) {
        std::cout << '\n';
        printText("Overall", overall);
    }
    context.exitCode = 0;
}

} // namespace

void addEvaluateCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<EvaluateOptions>();
    CLI::App* command = app.add_subcommand(
        "evaluate",
        "How well Cuevox knows you: for every two tracks played one after the other in your "
        "sets, rank the whole collection for the first and find the second, with that set left "
        "out of what the style model knows");
    command->add_option("FILE", options->files, "Exported collection XML files")->required();
    command
        ->add_option("--sets", options->sets,
                     "Which playlists are sets, by name (the folder path), a regular expression "
                     "found anywhere, case ignored (default: " +
                         std::string(style::SetPattern::kStandard) + ")")
        ->type_name("PATTERN")
        ->check([](const std::string& pattern) {
            const auto parsed = style::SetPattern::fromString(pattern);
            return parsed ? std::string() : parsed.error();
        });
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] { runEvaluate(*options, context); });
}

} // namespace cuevox::cli
