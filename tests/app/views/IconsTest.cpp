#include "views/Icons.hpp"

#include <gtest/gtest.h>

#include <QImage>

namespace cuevox::views {
namespace {

TEST(IconsTest, EveryIconIsDrawnInItsColour) {
    const QColor orange(255, 149, 0);
    for (int value = static_cast<int>(Icon::warning); value <= static_cast<int>(Icon::yourStyle);
         ++value) {
        SCOPED_TRACE(value);
        const QImage image = iconPixmap(static_cast<Icon>(value), orange, 16, 2.0).toImage();
        ASSERT_EQ(image.size(), QSize(32, 32));
        int covered = 0;
        int otherColour = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                covered += pixel.alpha() == 255;
                otherColour += pixel.alpha() == 255 && pixel.rgb() != orange.rgb();
            }
        }
        EXPECT_GT(covered, 20) << "the drawing is missing";
        EXPECT_EQ(otherColour, 0);
    }
}

} // namespace
} // namespace cuevox::views
