#include "DeckDisplayProcess.hpp"

#include "decks/DeckMonitorConfiguration.hpp"

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace cuevox::e2e {

bool isListedAsRekordbox(decks::AccessibilityPlatform& platform, pid_t pid) {
    const std::string rekordbox = decks::DeckMonitorConfiguration::rekordbox().bundleIdentifier;
    const auto applications = platform.runningApplications();
    return std::ranges::any_of(applications, [&](const auto& application) {
        return application.processIdentifier == pid && application.bundleIdentifier == rekordbox;
    });
}

std::unique_ptr<ChildProcess> startDeckDisplay(decks::AccessibilityPlatform& platform,
                                               std::chrono::milliseconds timeout,
                                               const std::vector<std::string>& arguments) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const char* program = std::getenv("CUEVOX_DECK_DISPLAY");
    std::vector<std::string> command{program != nullptr ? program : CUEVOX_DECK_DISPLAY,
                                     "--commands", "--library",
                                     CUEVOX_SOURCE_DIR "/data/demo-collection.xml"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    auto display = std::make_unique<ChildProcess>(command);
    if (display->readLine(timeout) != "ready") {
        return nullptr;
    }
    // Qt joins the accessibility bus a moment after the window shows.
    while (!isListedAsRekordbox(platform, display->pid())) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return display;
}

} // namespace cuevox::e2e
