#include "Commands.hpp"
#include "Output.hpp"
#include "TextArguments.hpp"
#include "metadata/CommentTagParser.hpp"
#include "metadata/EnergyParser.hpp"

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::cli {
namespace {

struct TagsOptions {
    std::vector<std::string> texts;
    bool json = false;
};

void runTags(const TagsOptions& options) {
    Json document = Json::array();
    for (const std::string& text : options.texts) {
        const metadata::CommentTagParser::Result tag = metadata::CommentTagParser::parse(text);
        const std::optional<int> energy = metadata::EnergyParser::parse(text);
        const std::optional<std::string> tagKey =
            tag.key ? std::optional<std::string>(tag.key->toString()) : std::nullopt;
        if (options.json) {
            document.push_back({{"text", text},
                                {"tagKey", jsonOrNull(tagKey)},
                                {"tagEnergy", jsonOrNull(tag.energy)},
                                {"energy", jsonOrNull(energy)}});
        } else {
            std::cout << text << "\ttag key " << textOrDash(tagKey) << "\ttag energy "
                      << textOrDash(tag.energy) << "\tenergy " << textOrDash(energy) << '\n';
        }
    }
    if (options.json) {
        printJson(document);
    }
}

} // namespace

void addTagsCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<TagsOptions>();
    CLI::App* command = app.add_subcommand(
        "tags", "Read the key-and-energy tag (\"8A - 7 Energy\") and the energy level "
                "(\"Energy 7\", \"E7\") out of comment texts");
    takeEveryTextAsGiven(command->add_option("TEXT", options->texts, "Comment texts to read"))
        ->required();
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] {
        runTags(*options);
        context.exitCode = 0;
    });
}

} // namespace cuevox::cli
