#pragma once

#include <CLI/CLI.hpp>

// Each subcommand registers itself on the application; its callback sets the exit code.
namespace cuevox::cli {

struct CommandContext {
    int exitCode = 0;
};

void addKeyCommand(CLI::App& app, CommandContext& context);
void addTagsCommand(CLI::App& app, CommandContext& context);
void addLibraryCommand(CLI::App& app, CommandContext& context);
void addListCommand(CLI::App& app, CommandContext& context);
void addDecksCommand(CLI::App& app, CommandContext& context);
void addMonitorCommand(CLI::App& app, CommandContext& context);
void addRecommendCommand(CLI::App& app, CommandContext& context);
void addEvaluateCommand(CLI::App& app, CommandContext& context);
void addProbeCommand(CLI::App& app, CommandContext& context);

} // namespace cuevox::cli
