#include "deck-display/DeckDisplayController.hpp"
#include "deck-display/DeckDisplayWindow.hpp"
#include "importing/XMLLibraryReader.hpp"
#include "simulation/DemoCollection.hpp"
#include "text/Text.hpp"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    CLI::App cli{"A stand-in for rekordbox's window, its decks and its browser, that "
                 "accessibility clients can read."};
    cli.name("cuevox-deck-display");
    std::string library;
    bool commands = false;
    std::string screenshot;
    cli.add_option("--library", library,
                   "the rekordbox collection XML the decks load from (default: the demo "
                   "collection that ships with Cuevox)")
        ->check(CLI::ExistingFile);
    cli.add_flag("--commands", commands,
                 "also take commands on standard input: load DECK TRACKID, next DECK, play "
                 "DECK, pause DECK, toggle DECK, eject DECK, flood RATE SECONDS, quit");
    cli.add_option("--screenshot", screenshot,
                   "write a picture of the window after the first second, then quit");
    cuevox::tools::DeckDisplayLayout layout;
    cli.add_option("--decks", layout.decks, "how many decks the window shows: 2 or 4")
        ->check(CLI::IsMember({2, 4}))
        ->capture_default_str();
    cli.add_option("--browser", layout.browserRows,
                   "add a browser of N track rows from the collection below the decks")
        ->check(CLI::Range(std::size_t{0}, cuevox::tools::DeckDisplayLayout::kMaxBrowserRows));
    std::string columns;
    cli.add_option("--browser-columns", columns,
                   "the browser's columns in order, from title, artist, tempo, key and time "
                   "(default: title,artist,tempo,key,time, the decks' own order)")
        ->check([&layout](const std::string& text) {
            auto parsed = cuevox::tools::parseBrowserColumns(text);
            if (!parsed) {
                return parsed.error();
            }
            layout.columns = std::move(*parsed);
            return std::string();
        });
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help is a success; anything else is a usage error, on one line whatever was typed.
        if (error.get_exit_code() == 0) {
            return cli.exit(error);
        }
        std::fprintf(stderr, "cuevox-deck-display: %s\n",
                     cuevox::text::escapeForMessage(error.what()).c_str());
        return 2;
    }
    // The display exists to be read: expose it over AT-SPI even where no screen reader asked.
    if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    QApplication application(argc, argv);
    // Accessibility clients know the display by this name.
    QApplication::setApplicationName(QStringLiteral("cuevox-deck-display"));

    if (library.empty()) {
        library =
            cuevox::simulation::findDemoCollection(QApplication::applicationDirPath().toStdString())
                .value_or("demo-collection.xml");
    }
    auto tracks = cuevox::importing::XMLLibraryReader(library).loadTracks();
    if (!tracks) {
        std::fprintf(stderr, "cuevox-deck-display: %s\n", tracks.error().message().c_str());
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    auto controller = std::make_unique<cuevox::tools::DeckDisplayController>(
        std::move(*tracks),
        [start] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        },
        layout.decks);
    cuevox::tools::DeckDisplayWindow window(std::move(controller), layout);
    window.show();
    if (commands) {
        window.readCommandsFromStandardInput();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    }
    if (!screenshot.empty()) {
        QTimer::singleShot(1000, &window, [&window, &screenshot] {
            const bool saved = window.grab().save(QString::fromStdString(screenshot));
            if (!saved) {
                std::fprintf(stderr, "cuevox-deck-display: cannot write %s\n",
                             cuevox::text::escapeForMessage(screenshot).c_str());
            }
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
