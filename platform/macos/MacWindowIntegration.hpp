#pragma once

class QWidget;

namespace cuevox::platform::macos {

// Lets a shown top-level window appear on every Space, other applications' full-screen Spaces
// included, so it stays beside a full-screen rekordbox; other behaviours unchanged.
void joinEverySpace(QWidget& window);

} // namespace cuevox::platform::macos
