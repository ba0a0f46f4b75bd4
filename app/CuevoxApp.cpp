#include "CuevoxApp.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "decks/AccessibilityDeckMonitor.hpp"
#include "decks/DeckMonitorConfiguration.hpp"
#include "i18n/LocalizationManager.hpp"
#include "simulation/DemoLoop.hpp"
#include "state/RecommendationViewModel.hpp"
#include "text/Text.hpp"
#include "views/ContentView.hpp"
#include "views/SettingsView.hpp"

#ifdef CUEVOX_HAS_MAC
#include "macos/MacAccessibilityPlatform.hpp"
#include "macos/MacBookmarks.hpp"
#include "macos/MacWindowIntegration.hpp"
#else
#include "none/UnavailableAccessibilityPlatform.hpp"
#ifdef CUEVOX_HAS_ATSPI
#include "linux/AtspiAccessibilityPlatform.hpp"
#endif
#endif

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace cuevox::app {
namespace {

using decks::AccessibilityPlatform;

#ifdef CUEVOX_HAS_MAC
std::shared_ptr<AccessibilityPlatform> systemAccessibilityPlatform(const LaunchOptions&) {
    return std::make_shared<platform::macos::MacAccessibilityPlatform>();
}

// A bookmark finds the collection again after it is moved or renamed.
state::LibraryBookmarks systemLibraryBookmarks() {
    return state::LibraryBookmarks::overBookmarkData(
        &platform::macos::bookmarkData,
        [](const QByteArray& bookmark) -> std::optional<state::LibraryBookmarks::Resolved> {
            const std::optional<platform::macos::ResolvedBookmark> resolved =
                platform::macos::resolveBookmark(bookmark);
            if (!resolved) {
                return std::nullopt;
            }
            return state::LibraryBookmarks::Resolved{resolved->path, resolved->stale};
        });
}
#else
std::shared_ptr<AccessibilityPlatform>
systemAccessibilityPlatform([[maybe_unused]] const LaunchOptions& options) {
#ifdef CUEVOX_HAS_ATSPI
    if (options.deckSource == DeckSource::atspi) {
        return std::make_shared<platform::AtspiAccessibilityPlatform>(
            platform::AtspiAccessibilityPlatform::BundleIdentifiers{
                {options.atspiApplication,
                 decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier}});
    }
#endif
    return std::make_shared<platform::UnavailableAccessibilityPlatform>();
}

state::LibraryBookmarks systemLibraryBookmarks() {
    return {};
}
#endif

// The demo has settled once all four decks show tracks, one plays, and the list is scored.
bool demoHasSettled(const state::RecommendationViewModel& viewModel) {
    const auto& displays = viewModel.decks().rows;
    const bool anyPlaying = std::any_of(displays.begin(), displays.end(),
                                        [](const auto& display) { return display.isPlaying; });
    return displays.size() == decks::kAllDeckIdentifiers.size() && anyPlaying &&
           viewModel.list().tracks.isScored();
}

constexpr const char* kPrivacySettingsAddress =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";

} // namespace

CuevoxApp::CuevoxApp(LaunchOptions options) : m_options(std::move(options)) {
    // A demo or a screenshot must not change what the user's own runs remember.
    if (m_options.demo || m_options.screenshot) {
        m_scratch = std::make_unique<QTemporaryDir>();
        m_settings =
            std::make_unique<QSettings>(m_scratch->filePath("settings.ini"), QSettings::IniFormat);
        // Nor read or write the sets they remember.
        m_settings->setValue(state::StyleSession::kLogFolderKey, m_scratch->filePath("Sets"));
        for (const auto& [key, value] : m_options.settings) {
            m_settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
        }
    } else {
        m_settings = std::make_unique<QSettings>();
    }
    m_localization = std::make_unique<i18n::LocalizationManager>(*m_settings);
    if (m_options.language) {
        if (const auto language = i18n::languageFromCode(m_options.language->toStdString())) {
            m_localization->setLanguage(*language);
        }
    }

    if (m_options.demo) {
        m_demo = std::make_unique<simulation::DemoLoop>();
        m_platform = m_demo->rekordbox();
    } else {
        m_platform = systemAccessibilityPlatform(m_options);
#ifdef CUEVOX_HAS_MAC
        // A window that rekordbox covers would be napped, and its deck poll slowed with it.
        m_pollActivity = std::make_unique<platform::macos::ActivityWhileRunning>(
            decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier);
#endif
    }
    auto monitor = std::make_unique<decks::AccessibilityDeckMonitor>(
        decks::DeckMonitorConfiguration::rekordbox(), m_platform);
    m_viewModel = std::make_unique<state::RecommendationViewModel>(
        std::move(monitor), [platform = m_platform] { return platform->isProcessTrusted(); },
        m_settings.get(), state::ViewModelTiming{}, systemLibraryBookmarks());
    m_artwork = std::make_unique<artwork::ArtworkLoader>();

    m_window = std::make_unique<QMainWindow>();
    m_window->setWindowTitle(QStringLiteral("Cuevox"));
    // Beside rekordbox, never behind it.
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* content = new views::ContentView(
        *m_viewModel, *m_localization, *m_artwork,
        {[this, platform = m_platform] {
             m_viewModel->requestAccessibilityPermission([platform] {
                 decks::AccessibilityDeckMonitor::requestAccessibilityPermission(*platform);
             });
         },
         [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kPrivacySettingsAddress))); }});
    m_window->setCentralWidget(content);
    m_window->setMinimumSize(views::ContentView::kMinimumSize);
    addMenu(*content);

    if (m_options.library) {
        m_viewModel->loadLibrary(*m_options.library);
    }
    if (m_demo) {
        // The set is drawn from the collection, which loads in the background.
        connect(
            m_viewModel.get(), &state::RecommendationViewModel::libraryLoadFinished, this,
            [this] { m_demo->play(m_viewModel->library()); }, Qt::SingleShotConnection);
    }
}

CuevoxApp::~CuevoxApp() = default;

void CuevoxApp::addMenu(views::ContentView& content) {
    auto* settingsAction = new QAction(m_window.get());
    settingsAction->setMenuRole(QAction::PreferencesRole);
    settingsAction->setShortcuts(
        {QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)});
    connect(settingsAction, &QAction::triggered, this, &CuevoxApp::showSettings);
    auto* setsAction = new QAction(m_window.get());
    connect(setsAction, &QAction::triggered, &content, &views::ContentView::openSetsFolder);
    QMenu* menu = m_window->menuBar()->addMenu(QStringLiteral("Cuevox"));
    menu->addAction(settingsAction);
    menu->addAction(setsAction);
    const auto retranslateMenu = [this, settingsAction, setsAction] {
        settingsAction->setText(m_localization->t("settings.title") + QStringLiteral("…"));
        setsAction->setText(m_localization->t("menu.open_sets"));
    };
    connect(m_localization.get(), &i18n::LocalizationManager::languageChanged, this,
            retranslateMenu);
    retranslateMenu();
}

void CuevoxApp::start() {
    // First shown at its ideal size, its top-left corner where the window system put it.
    const QSize size = m_options.windowSize.expandedTo(views::ContentView::kMinimumSize);
    m_window->resize(size);
    m_window->show();
#ifdef CUEVOX_HAS_MAC
    platform::macos::joinEverySpace(*m_window);
#endif
    if (m_options.screenshot) {
        takeScreenshotWhenSettled();
    }
}

void CuevoxApp::showSettings() {
    if (!m_settingsWindow) {
        m_settingsWindow = views::makeSettingsWindow(*m_localization, *m_viewModel, *m_window);
    }
    m_settingsWindow->show();
#ifdef CUEVOX_HAS_MAC
    // Opened over a full-screen rekordbox, it must show in that Space too.
    platform::macos::joinEverySpace(*m_settingsWindow);
#endif
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void CuevoxApp::takeScreenshotWhenSettled() {
    // Checked often, taken once: when the collection has loaded and the demo has settled, or
    // after 15 s regardless.
    auto* poll = new QTimer(this);
    QDeadlineTimer deadline(15000);
    connect(poll, &QTimer::timeout, this, [this, poll, deadline] {
        const bool settled = !m_viewModel->libraryLoadProgress() &&
                             (!m_options.demo || demoHasSettled(*m_viewModel));
        if (!settled && !deadline.hasExpired()) {
            return;
        }
        poll->stop();
        if (!settled) {
            std::fprintf(stderr,
                         "cuevox: the window did not settle; taking the screenshot anyway\n");
        }
        // One more moment for the artwork and the last repaint.
        QTimer::singleShot(400, this, [this] {
            const QString file = QString::fromStdString(m_options.screenshot->string());
            const bool saved = m_window->grab().save(file);
            if (!saved) {
                std::fprintf(stderr, "cuevox: cannot write the screenshot %s\n",
                             text::escapeForMessage(m_options.screenshot->string()).c_str());
            }
            emit finished(saved ? 0 : 1);
        });
    });
    poll->start(100);
}

} // namespace cuevox::app
