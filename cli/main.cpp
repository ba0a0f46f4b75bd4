#include "Commands.hpp"
#include "Output.hpp"

#include <CLI/CLI.hpp>

#include <exception>
#include <string>

int main(int argc, char** argv) {
    CLI::App app{"Cuevox on the command line: what fits after the track that is playing."};
    app.name("cuevox-cli");
    app.set_version_flag("--version", "cuevox-cli 0.1.0");
    app.require_subcommand(1);

    cuevox::cli::CommandContext context;
    cuevox::cli::addKeyCommand(app, context);
    cuevox::cli::addTagsCommand(app, context);
    cuevox::cli::addLibraryCommand(app, context);
    cuevox::cli::addListCommand(app, context);
    cuevox::cli::addDecksCommand(app, context);
    cuevox::cli::addMonitorCommand(app, context);
    cuevox::cli::addRecommendCommand(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        cuevox::cli::printError(std::string(error.what()) + " (see cuevox-cli --help)");
        return 2;
    } catch (const std::exception& error) {
        cuevox::cli::printError(error.what());
        return 1;
    }
    return context.exitCode;
}
