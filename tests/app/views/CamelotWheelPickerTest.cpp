#include "views/CamelotWheelPicker.hpp"

#include "ViewModelFixture.hpp"
#include "views/KeyColors.hpp"
#include "views/WedgeShape.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <array>
#include <cmath>
#include <numbers>

namespace cuevox::views {
namespace {

using metadata::CamelotKey;
using metadata::CamelotLetter;
using testing::key;
using KeySet = state::FilterState::KeySet;

// A point of the wheel from its centre: `degreesFromTop` clockwise from straight up, `radius`
// as a fraction of the wheel's radius.
QPointF wheelPoint(QPointF centre, double wheelRadius, double degreesFromTop, double radius) {
    const double radians = degreesFromTop * std::numbers::pi / 180.0;
    return centre + QPointF(wheelRadius * radius * std::sin(radians),
                            -wheelRadius * radius * std::cos(radians));
}

// Expected colours converted from HSV by hand: hue 170 - 30 (n - 1) degrees, minor keys at
// 42 % saturation and 93 % value, major keys at 58 % and 85 %.
TEST(KeyColorsTest, HuesStepBackThirtyDegreesFrom170AroundTheWheel) {
    constexpr int kHues[12] = {170, 140, 110, 80, 50, 20, 350, 320, 290, 260, 230, 200};
    for (int number = 1; number <= 12; ++number) {
        EXPECT_EQ(keyHue(number), kHues[number - 1]) << number;
    }
    const std::pair<const char*, QColor> colours[] = {
        // clang-format off
        {"1A", QColor(138, 237, 221)}, {"1B", QColor(91, 217, 196)},
        {"7A", QColor(237, 138, 154)}, {"12B", QColor(91, 175, 217)},
        // clang-format on
    };
    for (const auto& [text, expected] : colours) {
        SCOPED_TRACE(text);
        const QColor colour = keyColor(key(text));
        EXPECT_NEAR(colour.red(), expected.red(), 1);
        EXPECT_NEAR(colour.green(), expected.green(), 1);
        EXPECT_NEAR(colour.blue(), expected.blue(), 1);
        EXPECT_EQ(colour.alpha(), 255);
    }
}

TEST(WedgeShapeTest, APathFillsItsRingSegmentAndNothingElse) {
    // 9 spans 180 to 210 degrees on the inner ring; the rectangle is wider than high.
    const QRectF rect(10, 20, 300, 200);
    const QPainterPath nine = WedgeShape::forKey(key("9A")).path(rect);
    const QPointF centre(160, 120);
    const auto at = [&](double degrees, double radius) {
        return wheelPoint(centre, 100, degrees + 90, radius);
    };
    EXPECT_TRUE(nine.contains(at(195, 0.44)));
    EXPECT_TRUE(nine.contains(at(181, 0.27)));
    EXPECT_TRUE(nine.contains(at(209, 0.61)));
    EXPECT_FALSE(nine.contains(at(175, 0.44))) << "8A";
    EXPECT_FALSE(nine.contains(at(215, 0.44))) << "10A";
    EXPECT_FALSE(nine.contains(at(195, 0.20))) << "centre disc";
    EXPECT_FALSE(nine.contains(at(195, 0.70))) << "9B";
    const QPointF label = WedgeShape::forKey(key("9A")).labelCentre(rect);
    EXPECT_NEAR(QLineF(label, at(195, 0.44)).length(), 0, 1e-9);
}

TEST(CamelotWheelPickerTest, EveryKeyIsHitOnItsWedgeAndNothingElse) {
    testing::TestViewModel vm;
    CamelotWheelPicker wheel(vm.model);
    // Wider than high: the wheel is the centred square of side 220.
    wheel.resize(300, 220);
    const QPointF centre(150, 110);
    constexpr double kRadius = 110;
    for (const CamelotKey k : CamelotKey::allPositions()) {
        SCOPED_TRACE(k.toString());
        // 12 starts at the top; every other number n starts 30 n degrees further clockwise.
        const double start = k.number() == 12 ? 0 : 30.0 * k.number();
        const bool outer = k.letter() == CamelotLetter::b;
        for (const double along : {1.0, 15.0, 29.0}) {
            for (const double radius :
                 outer ? std::array{0.63, 0.80, 0.97} : std::array{0.27, 0.44, 0.61}) {
                EXPECT_EQ(wheel.keyAt(wheelPoint(centre, kRadius, start + along, radius)), k)
                    << along << " degrees, radius " << radius;
            }
        }
    }

    const QPointF nowhere[] = {centre, wheelPoint(centre, kRadius, 100, 0.2),
                               wheelPoint(centre, kRadius, 100, 0.99), QPointF(5, 5)};
    for (const QPointF& point : nowhere) {
        EXPECT_EQ(wheel.keyAt(point), std::nullopt) << point.x() << ", " << point.y();
    }
}

// Inside a key's wedge of a 220 × 220 wheel, nearer the centre than its text, off its edges.
QPointF fillPoint(const char* text) {
    const CamelotKey k = key(text);
    const double start = k.number() == 12 ? 0 : 30.0 * k.number();
    return wheelPoint({110, 110}, 110, start + 15, k.letter() == CamelotLetter::a ? 0.34 : 0.70);
}

QColor painted(CamelotWheelPicker& wheel, QPointF point) {
    const QImage image = wheel.grab().toImage();
    return image.pixelColor((point * image.devicePixelRatio()).toPoint());
}

// Each key in `full` painted in its colour, each in `dimmed` at 35 %, on black.
void expectPainted(CamelotWheelPicker& wheel, std::initializer_list<const char*> full,
                   std::initializer_list<const char*> dimmed) {
    for (const bool dim : {false, true}) {
        for (const char* text : dim ? dimmed : full) {
            SCOPED_TRACE(::testing::Message() << text << (dim ? " dimmed" : ""));
            const QColor expected = keyColor(key(text));
            const QColor actual = painted(wheel, fillPoint(text));
            const double factor = dim ? 0.35 : 1.0;
            EXPECT_NEAR(actual.red(), expected.red() * factor, 3);
            EXPECT_NEAR(actual.green(), expected.green() * factor, 3);
            EXPECT_NEAR(actual.blue(), expected.blue() * factor, 3);
        }
    }
}

TEST(CamelotWheelPickerTest, ClickingTogglesAKeyAndDimsTheOthers) {
    testing::TestViewModel vm;
    CamelotWheelPicker wheel(vm.model);
    wheel.resize(220, 220);
    QPalette black = wheel.palette();
    black.setColor(QPalette::Window, Qt::black);
    wheel.setPalette(black);
    wheel.setAutoFillBackground(true);
    const auto click = [&](QPointF at) {
        QTest::mouseClick(&wheel, Qt::LeftButton, {}, at.toPoint());
    };
    // On the outer arc of 8A, where a white outline covers the border of the ring.
    const auto outline8A = [&] {
        return painted(wheel, wheelPoint({110, 110}, 110, 8 * 30 + 15, 0.62)).lightness();
    };
    expectPainted(wheel, {"8A", "8B", "12A", "1B"}, {});
    click(wheelPoint({110, 110}, 110, 8 * 30 + 15, 0.44));
    EXPECT_EQ(vm.model.filters().selections().keys, (KeySet{key("8A")}));
    expectPainted(wheel, {"8A"}, {"8B", "9A", "7A", "3B", "12A"});
    EXPECT_GT(outline8A(), 235);
    // Any number of keys: 3B joins, 8A stays.
    click(fillPoint("3B"));
    EXPECT_EQ(vm.model.filters().selections().keys, (KeySet{key("8A"), key("3B")}));
    expectPainted(wheel, {"8A", "3B"}, {"9A"});
    // Clicking a selected key again removes it; with none left nothing is dimmed or outlined.
    click(fillPoint("3B"));
    click(fillPoint("8A"));
    EXPECT_TRUE(vm.model.filters().selections().keys.empty());
    expectPainted(wheel, {"8B", "9A", "7A", "3B", "12A"}, {});
    EXPECT_LT(outline8A(), 235);
    // A click on the centre disc or between press and release on two keys changes nothing.
    click({110, 110});
    QTest::mousePress(&wheel, Qt::LeftButton, {}, fillPoint("5A").toPoint());
    QTest::mouseRelease(&wheel, Qt::LeftButton, {}, fillPoint("6A").toPoint());
    EXPECT_TRUE(vm.model.filters().selections().keys.empty());
    // A selection made elsewhere shows at once.
    vm.model.filters().setKeys({key("5A")});
    expectPainted(wheel, {"5A"}, {"8A"});
}

} // namespace
} // namespace cuevox::views
