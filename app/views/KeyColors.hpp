#pragma once

#include "metadata/CamelotKey.hpp"

#include <QColor>

namespace cuevox::views {

// The hue of a wheel number in whole degrees, 0 <= hue < 360: neighbours on the wheel sit
// 30 degrees apart, so keys that mix well look alike.
int keyHue(int number);

// The colour of a key on the wheel and wherever a key is shown in colour; the inner (minor)
// ring is lighter and paler than the outer one.
QColor keyColor(metadata::CamelotKey key);

} // namespace cuevox::views
