#include "CuevoxApp.hpp"
#include "i18n/LocalizationManager.hpp"
#include "simulation/DemoCollection.hpp"
#include "text/Text.hpp"
#include "views/Theme.hpp"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QIcon>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The arguments without the process serial number (-psn_0_12345) that macOS adds when it
// launches a quarantined application from the Finder: CLI11 would reject it, and the first
// launch would end before any window showed.
std::vector<char*> withoutProcessSerialNumber(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    const auto serialNumber = [](std::string_view argument) {
        return argument.starts_with("-psn_");
    };
    // The program's name stays whatever it is.
    const auto afterName = arguments.begin() + (argc > 0 ? 1 : 0);
    arguments.erase(std::remove_if(afterName, arguments.end(), serialNumber), arguments.end());
    return arguments;
}

// Wider than any screen today; a larger window would only make a screenshot use gigabytes.
constexpr int kLargestWindowSide = 8192;

// "WIDTHxHEIGHT" in plain decimal digits, each side from 1 to kLargestWindowSide.
std::optional<QSize> parseWindowSize(std::string_view text) {
    const auto separator = text.find('x');
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    const auto width = cuevox::text::parseInteger(text.substr(0, separator));
    const auto height = cuevox::text::parseInteger(text.substr(separator + 1));
    const auto valid = [](const std::optional<long long>& side) {
        return side && *side >= 1 && *side <= kLargestWindowSide;
    };
    if (!valid(width) || !valid(height)) {
        return std::nullopt;
    }
    return QSize(static_cast<int>(*width), static_cast<int>(*height));
}

// The command line as typed, before it becomes launch options.
struct Arguments {
    cuevox::app::LaunchOptions options;
    std::string deckSource = "system";
    std::string library;
    std::string screenshot;
    std::string language;
    std::string size;
    std::vector<std::string> settings;
};

void addOptions(CLI::App& cli, Arguments& arguments) {
    cli.add_flag("--demo", arguments.options.demo,
                 "play a set on a simulated rekordbox (with the demo collection unless --library)");
    cli.add_option("--platform", arguments.deckSource,
                   "where the decks are read from: system (the operating system's accessibility "
                   "interface) or atspi (an AT-SPI application standing in for rekordbox)")
        ->check(CLI::IsMember({"system", "atspi"}))
        ->capture_default_str();
    cli.add_option("--atspi-application", arguments.options.atspiApplication,
                   "with --platform atspi: the accessible name of the application to read as "
                   "rekordbox")
        ->capture_default_str();
    cli.add_option("--library", arguments.library, "the rekordbox collection XML to open")
        ->check(CLI::ExistingFile);
    cli.add_option("--screenshot", arguments.screenshot,
                   "write a picture of the window once the collection has loaded and the demo has "
                   "settled, then quit");
    cli.add_option("--language", arguments.language,
                   "the interface language: en, tr, de, es, fr, it, "
                   "pt, ru, ja or zh")
        ->check([](const std::string& code) {
            return cuevox::i18n::languageFromCode(code) ? std::string()
                                                        : "unknown language code " + code;
        });
    cli.add_option("--size", arguments.size, "the window's size, WIDTHxHEIGHT (860x560)");
    cli.add_option("--setting", arguments.settings,
                   "with --demo or --screenshot: start with this setting, KEY=VALUE, such as "
                   "listModes/style=true (repeatable)");
}

// Completes the launch options from what the parser could not check alone; the exit code of a
// usage error, after its message.
std::optional<int> takeArguments(Arguments& arguments) {
    cuevox::app::LaunchOptions& options = arguments.options;
    if (arguments.deckSource == "atspi") {
#ifndef CUEVOX_HAS_ATSPI
        std::fprintf(stderr, "cuevox: this build has no AT-SPI backend (libatspi2.0-dev was "
                             "not found when it was configured)\n");
        return 2;
#endif
        if (options.demo) {
            std::fprintf(stderr, "cuevox: --demo plays its own rekordbox; leave out --platform\n");
            return 2;
        }
        options.deckSource = cuevox::app::DeckSource::atspi;
    }
    if (!arguments.size.empty()) {
        const std::optional<QSize> windowSize = parseWindowSize(arguments.size);
        if (!windowSize) {
            std::fprintf(stderr,
                         "cuevox: --size takes WIDTHxHEIGHT, such as 860x560, each from 1 to %d\n",
                         kLargestWindowSide);
            return 2;
        }
        options.windowSize = *windowSize;
    }
    if (!arguments.library.empty()) {
        options.library = arguments.library;
    }
    if (!arguments.screenshot.empty()) {
        options.screenshot = arguments.screenshot;
    }
    if (!arguments.language.empty()) {
        options.language = QString::fromStdString(arguments.language);
    }
    for (const std::string& setting : arguments.settings) {
        const std::size_t equals = setting.find('=');
        // The user's own settings stay as they are: only a run that keeps none takes these.
        if (equals == std::string::npos || equals == 0 || (!options.demo && !options.screenshot)) {
            std::fprintf(stderr,
                         "cuevox: --setting takes KEY=VALUE, with --demo or --screenshot\n");
            return 2;
        }
        options.settings.emplace_back(setting.substr(0, equals), setting.substr(equals + 1));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App cli{"Cuevox: what fits after the track that is playing in rekordbox."};
    cli.name("cuevox");
    Arguments arguments;
    addOptions(cli, arguments);
    try {
        std::vector<char*> typed = withoutProcessSerialNumber(argc, argv);
        cli.parse(static_cast<int>(typed.size()), typed.data());
    } catch (const CLI::ParseError& error) {
        // --help is a success; anything else is a usage error, on one line whatever was typed.
        if (error.get_exit_code() == 0) {
            return cli.exit(error);
        }
        std::fprintf(stderr, "cuevox: %s\n", cuevox::text::escapeForMessage(error.what()).c_str());
        return 2;
    }
    if (const std::optional<int> exitCode = takeArguments(arguments)) {
        return *exitCode;
    }
    cuevox::app::LaunchOptions& options = arguments.options;

    // Qt would take --platform for its own plugin option: it gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setOrganizationName(QStringLiteral("Cuevox"));
    QApplication::setApplicationName(QStringLiteral("Cuevox"));
#ifndef __APPLE__
    // The picture of the desktop entry (cuevox.desktop); a Mac shows the bundle's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/appicon/cuevox.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("cuevox"));
#endif
    cuevox::views::theme::applyDarkPalette(application);
    if (options.demo && !options.library) {
        // A missing demo collection is the usual "file not found" banner.
        options.library =
            cuevox::simulation::findDemoCollection(QApplication::applicationDirPath().toStdString())
                .value_or("demo-collection.xml");
    }

    cuevox::app::CuevoxApp app(std::move(options));
    QObject::connect(&app, &cuevox::app::CuevoxApp::finished, &application, &QApplication::exit);
    app.start();
    return QApplication::exec();
}
