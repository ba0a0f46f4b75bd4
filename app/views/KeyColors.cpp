#include "views/KeyColors.hpp"

namespace cuevox::views {

int keyHue(int number) {
    const int hue = (170 - 30 * (number - 1)) % 360;
    return hue < 0 ? hue + 360 : hue;
}

QColor keyColor(metadata::CamelotKey key) {
    const bool minor = key.letter() == metadata::CamelotLetter::a;
    return QColor::fromHsvF(static_cast<float>(keyHue(key.number()) / 360.0), minor ? 0.42f : 0.58f,
                            minor ? 0.93f : 0.85f);
}

} // namespace cuevox::views
