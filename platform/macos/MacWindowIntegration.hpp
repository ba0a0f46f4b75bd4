#pragma once

#include <memory>
#include <string>

class QWidget;

namespace cuevox::platform::macos {

// Lets a shown top-level window appear on every Space, other applications' full-screen Spaces
// included, so it stays beside a full-screen rekordbox; other behaviours unchanged.
void joinEverySpace(QWidget& window);

// Holds a user-initiated process activity while an application with the given bundle
// identifier runs, so that App Nap cannot slow the deck poll of a window that rekordbox covers;
// idle sleep stays allowed. Follows launches and quits through NSWorkspace's notifications.
// Main thread only.
class ActivityWhileRunning {
public:
    explicit ActivityWhileRunning(const std::string& bundleIdentifier);
    ~ActivityWhileRunning();
    ActivityWhileRunning(const ActivityWhileRunning&) = delete;
    ActivityWhileRunning& operator=(const ActivityWhileRunning&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace cuevox::platform::macos
