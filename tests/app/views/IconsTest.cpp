#include "views/Icons.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

namespace cuevox::views {
namespace {

// Every drawing the interface carries, whichever control names it.
TEST(IconsTest, EveryDrawingIsDrawnInItsColour) {
    const QColor orange(255, 149, 0);
    const QStringList drawings = QDir(QStringLiteral(":/icons")).entryList({"*.svg"});
    ASSERT_GE(drawings.size(), 18);
    for (const QString& file : drawings) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray drawing = file.chopped(4).toLatin1();
        const QImage image = iconPixmap(Icon{drawing.constData()}, orange, 16, 2.0).toImage();
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
