#include "views/CamelotWheelPicker.hpp"

#include "FilterTestModel.hpp"
#include "views/KeyColors.hpp"
#include "views/WedgeShape.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

namespace cuevox::views {
namespace {

using metadata::CamelotKey;
using metadata::CamelotLetter;

CamelotKey key(const char* text) {
    return *CamelotKey::fromString(text);
}

// A point of the wheel from its centre: `degreesFromTop` clockwise from straight up, `radius`
// as a fraction of the wheel's radius.
QPointF wheelPoint(QPointF centre, double wheelRadius, double degreesFromTop, double radius) {
    const double radians = degreesFromTop * std::numbers::pi / 180.0;
    return centre + QPointF(wheelRadius * radius * std::sin(radians),
                            -wheelRadius * radius * std::cos(radians));
}

TEST(KeyColorsTest, HuesStepBackThirtyDegreesFrom170AroundTheWheel) {
    constexpr int kHues[12] = {170, 140, 110, 80, 50, 20, 350, 320, 290, 260, 230, 200};
    for (int number = 1; number <= 12; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(keyHue(number), kHues[number - 1]);
        for (const auto& [letter, saturation, value] :
             {std::tuple{CamelotLetter::a, 0.42, 0.93}, std::tuple{CamelotLetter::b, 0.58, 0.85}}) {
            // The colour rebuilt from integer RGB: each channel by hand from the hue.
            const double h = kHues[number - 1] / 60.0;
            const double chroma = value * saturation;
            const double second = chroma * (1 - std::abs(std::fmod(h, 2.0) - 1));
            const double low = value - chroma;
            double r = 0, g = 0, b = 0;
            switch (static_cast<int>(h)) {
            case 0:
                r = chroma, g = second;
                break;
            case 1:
                r = second, g = chroma;
                break;
            case 2:
                g = chroma, b = second;
                break;
            case 3:
                g = second, b = chroma;
                break;
            case 4:
                r = second, b = chroma;
                break;
            default:
                r = chroma, b = second;
                break;
            }
            const QColor colour = keyColor(*CamelotKey::make(number, letter));
            EXPECT_NEAR(colour.redF(), r + low, 0.005);
            EXPECT_NEAR(colour.greenF(), g + low, 0.005);
            EXPECT_NEAR(colour.blueF(), b + low, 0.005);
            EXPECT_EQ(colour.alpha(), 255);
        }
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
    filtertest::FilterTestModel fixture;
    CamelotWheelPicker wheel(fixture.model);
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
                SCOPED_TRACE(::testing::Message() << along << " degrees, radius " << radius);
                EXPECT_EQ(wheel.keyAt(wheelPoint(centre, kRadius, start + along, radius)), k);
            }
        }
    }

    // On both sides of straight up: 12 to the right, 11 to the left.
    EXPECT_EQ(wheel.keyAt(wheelPoint(centre, kRadius, 1, 0.9)), key("12B"));
    EXPECT_EQ(wheel.keyAt(wheelPoint(centre, kRadius, -1, 0.9)), key("11B"));
    EXPECT_EQ(wheel.keyAt(wheelPoint(centre, kRadius, 1, 0.3)), key("12A"));

    const QPointF nowhere[] = {
        centre,
        wheelPoint(centre, kRadius, 100, 0.2),
        wheelPoint(centre, kRadius, 100, 0.99),
        QPointF(5, 5),
        QPointF(295, 215),
    };
    for (const QPointF& point : nowhere) {
        SCOPED_TRACE(::testing::Message() << point.x() << ", " << point.y());
        EXPECT_EQ(wheel.keyAt(point), std::nullopt);
    }
}

// The colour painted at a point of the wheel, on black.
QColor painted(CamelotWheelPicker& wheel, QPointF point) {
    const QImage image = wheel.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor((point * ratio).toPoint());
}

void expectColour(const QColor& actual, const QColor& expected, int tolerance = 3) {
    EXPECT_NEAR(actual.red(), expected.red(), tolerance);
    EXPECT_NEAR(actual.green(), expected.green(), tolerance);
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance);
}

QColor dimmed(const QColor& colour) {
    return QColor::fromRgbF(colour.redF() * 0.35f, colour.greenF() * 0.35f, colour.blueF() * 0.35f);
}

TEST(CamelotWheelPickerTest, ClickingTogglesAKeyAndDimsTheOthers) {
    filtertest::FilterTestModel fixture;
    CamelotWheelPicker wheel(fixture.model);
    wheel.resize(220, 220);
    QPalette black = wheel.palette();
    black.setColor(QPalette::Window, Qt::black);
    wheel.setPalette(black);
    wheel.setAutoFillBackground(true);
    const QPointF centre(110, 110);
    constexpr double kRadius = 110;
    // Inside each wedge, nearer the centre than its text and away from its edges.
    const auto fillPoint = [&](const char* text) {
        const CamelotKey k = key(text);
        const double start = k.number() == 12 ? 0 : 30.0 * k.number();
        return wheelPoint(centre, kRadius, start + 15,
                          k.letter() == CamelotLetter::a ? 0.34 : 0.70);
    };
    // On the outer arc of 8A, where a white outline covers the border of the ring.
    const QPointF outline8A = wheelPoint(centre, kRadius, 8 * 30 + 15, 0.62);
    const char* others[] = {"8B", "9A", "7A", "3B", "12A"};

    for (const char* k : {"8A", "8B", "12A", "1B"}) {
        SCOPED_TRACE(k);
        expectColour(painted(wheel, fillPoint(k)), keyColor(key(k)));
    }

    QTest::mouseClick(&wheel, Qt::LeftButton, {},
                      wheelPoint(centre, kRadius, 8 * 30 + 15, 0.44).toPoint());
    EXPECT_EQ(fixture.model.selectedKeys(), (state::RecommendationViewModel::KeySet{key("8A")}));
    expectColour(painted(wheel, fillPoint("8A")), keyColor(key("8A")));
    EXPECT_GT(painted(wheel, outline8A).lightness(), 235);
    for (const char* k : others) {
        SCOPED_TRACE(k);
        expectColour(painted(wheel, fillPoint(k)), dimmed(keyColor(key(k))));
    }

    // Any number of keys: 3B joins, 8A stays.
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, fillPoint("3B").toPoint());
    EXPECT_EQ(fixture.model.selectedKeys(),
              (state::RecommendationViewModel::KeySet{key("8A"), key("3B")}));
    expectColour(painted(wheel, fillPoint("3B")), keyColor(key("3B")));
    expectColour(painted(wheel, fillPoint("9A")), dimmed(keyColor(key("9A"))));

    // Clicking a selected key again removes it; with none left nothing is dimmed or outlined.
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, fillPoint("3B").toPoint());
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, fillPoint("8A").toPoint());
    EXPECT_TRUE(fixture.model.selectedKeys().empty());
    EXPECT_LT(painted(wheel, outline8A).lightness(), 235);
    for (const char* k : others) {
        SCOPED_TRACE(k);
        expectColour(painted(wheel, fillPoint(k)), keyColor(key(k)));
    }

    // A click on the centre disc or between press and release on two keys changes nothing.
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, centre.toPoint());
    QTest::mousePress(&wheel, Qt::LeftButton, {}, fillPoint("5A").toPoint());
    QTest::mouseRelease(&wheel, Qt::LeftButton, {}, fillPoint("6A").toPoint());
    EXPECT_TRUE(fixture.model.selectedKeys().empty());

    // A selection made elsewhere shows at once.
    fixture.model.setSelectedKeys({key("5A")});
    expectColour(painted(wheel, fillPoint("5A")), keyColor(key("5A")));
    expectColour(painted(wheel, fillPoint("8A")), dimmed(keyColor(key("8A"))));
}

} // namespace
} // namespace cuevox::views
