#pragma once

class QWidget;

namespace cuevox::platform::macos {

// Keeps a shown top-level window above rekordbox on every Space; other behaviours unchanged.
void raiseToFloatingLevelOnAllSpaces(QWidget& window);

} // namespace cuevox::platform::macos
