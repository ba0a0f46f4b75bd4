#pragma once

#include <QFrame>

namespace cuevox::views {

// A hairline between two sections, across them or between two side by side.
QFrame* makeDivider(Qt::Orientation orientation, QWidget* parent = nullptr);

} // namespace cuevox::views
