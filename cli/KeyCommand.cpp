#include "Commands.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "TextArguments.hpp"
#include "metadata/MusicalKeyConverter.hpp"

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::cli {
namespace {

struct KeyOptions {
    std::vector<std::string> texts;
    bool openKey = false;
    bool json = false;
};

void runKey(const KeyOptions& options) {
    using metadata::CamelotKey;
    Json document = Json::array();
    for (const std::string& text : options.texts) {
        const std::optional<CamelotKey> key =
            metadata::MusicalKeyConverter::parseAnyKeyNotation(text, {.openKey = options.openKey});
        const std::optional<std::string> camelot =
            key ? std::optional<std::string>(key->toString()) : std::nullopt;
        if (options.json) {
            document.push_back({{"text", text}, {"camelot", jsonOrNull(camelot)}});
        } else {
            std::cout << text << '\t' << textOrDash(camelot) << '\n';
        }
    }
    if (options.json) {
        printJson(document);
    }
}

} // namespace

void addKeyCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<KeyOptions>();
    CLI::App* command = app.add_subcommand(
        "key", "Read key texts (Camelot such as 8A, or classical such as F#m or Db major) as "
               "Camelot keys");
    takeEveryTextAsGiven(command->add_option("TEXT", options->texts, "Key texts to read"))
        ->required();
    addOpenKeyFlag(*command, options->openKey);
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] {
        runKey(*options);
        context.exitCode = 0;
    });
}

} // namespace cuevox::cli
