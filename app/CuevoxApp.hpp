#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QMainWindow;
class QSettings;
class QTemporaryDir;
class QWidget;

namespace cuevox::artwork {
class ArtworkLoader;
}
namespace cuevox::decks {
class AccessibilityPlatform;
}
namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::simulation {
class DemoLoop;
}
namespace cuevox::state {
class RecommendationViewModel;
}
#ifdef CUEVOX_HAS_MAC
namespace cuevox::platform::macos {
class ActivityWhileRunning;
}
#endif
namespace cuevox::views {
class ContentView;
}

namespace cuevox::app {

// Where the decks are read from when not in the demo.
enum class DeckSource {
    // The system's own accessibility interface, where Cuevox has a backend for it.
    system,
    // Any AT-SPI application standing in for rekordbox (Linux).
    atspi
};

// How the program was started.
struct LaunchOptions {
    // A simulated rekordbox plays a set from the collection, so the window shows everything
    // without rekordbox.
    bool demo = false;
    // The collection to open instead of the remembered one.
    std::optional<std::filesystem::path> library;
    DeckSource deckSource = DeckSource::system;
    // For DeckSource::atspi: the accessible name of the application read as rekordbox; by
    // default the deck display simulator's.
    std::string atspiApplication = "cuevox-deck-display";
    // Renders the window into this file once the demo has settled, then quits.
    std::optional<std::filesystem::path> screenshot;
    std::optional<QString> language;
    // Settings a demo or screenshot run starts with, by key.
    std::vector<std::pair<std::string, std::string>> settings;
    QSize windowSize{860, 560};
};

// The application: the one state object and the one localization manager for the whole run,
// the main window and the settings window.
class CuevoxApp : public QObject {
    Q_OBJECT

public:
    explicit CuevoxApp(LaunchOptions options);
    ~CuevoxApp() override;

    // Shows the main window; with a screenshot to take, returns the exit code through
    // `finished` once it is written.
    void start();

    QMainWindow& mainWindow() const { return *m_window; }

signals:
    void finished(int exitCode);

private:
    // The Settings and the sets' folder, in the menu bar.
    void addMenu(views::ContentView& content);
    void showSettings();
    void takeScreenshotWhenSettled();

    LaunchOptions m_options;
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<i18n::LocalizationManager> m_localization;
    std::unique_ptr<simulation::DemoLoop> m_demo;
    std::shared_ptr<decks::AccessibilityPlatform> m_platform;
    std::unique_ptr<artwork::ArtworkLoader> m_artwork;
    std::unique_ptr<state::RecommendationViewModel> m_viewModel;
    std::unique_ptr<QMainWindow> m_window;
    // Owned by the main window.
    QWidget* m_settingsWindow = nullptr;
#ifdef CUEVOX_HAS_MAC
    std::unique_ptr<platform::macos::ActivityWhileRunning> m_pollActivity;
#endif
};

} // namespace cuevox::app
