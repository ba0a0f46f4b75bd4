#include "Commands.hpp"
#include "Output.hpp"
#include "text/Text.hpp"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

namespace {

int run(int argc, char** argv) {
    CLI::App app{"Cuevox on the command line: what fits after the track that is playing."};
    app.name("cuevox-cli");
    app.set_version_flag("--version", "cuevox-cli " CUEVOX_VERSION);
    app.require_subcommand(1);

    cuevox::cli::CommandContext context;
    cuevox::cli::addKeyCommand(app, context);
    cuevox::cli::addTagsCommand(app, context);
    cuevox::cli::addLibraryCommand(app, context);
    cuevox::cli::addListCommand(app, context);
    cuevox::cli::addDecksCommand(app, context);
    cuevox::cli::addMonitorCommand(app, context);
    cuevox::cli::addRecommendCommand(app, context);
    cuevox::cli::addEvaluateCommand(app, context);
    cuevox::cli::addProbeCommand(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        // CLI11's messages quote the arguments as typed, and begin ": " for a hidden option.
        std::string message = error.what();
        if (message.starts_with(": ")) {
            message.erase(0, 2);
        }
        cuevox::cli::printError(cuevox::text::escapeForMessage(message) +
                                " (see cuevox-cli --help)");
        return 2;
    } catch (const std::exception& error) {
        cuevox::cli::printError(cuevox::text::escapeForMessage(error.what()));
        return 1;
    }
    return context.exitCode;
}

} // namespace

// A closed pipe (`cuevox-cli library --json x.xml | head`) ends the program by SIGPIPE, as it
// ends cat or grep: the reader has all it wanted. Any other failed write is an error.
int main(int argc, char** argv) {
    const int exitCode = run(argc, argv);
    if (!std::cout.flush()) {
        cuevox::cli::printError("cannot write the output");
        return 1;
    }
    return exitCode;
}
