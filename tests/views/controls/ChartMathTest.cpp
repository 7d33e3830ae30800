#include <orvo/views/controls/ChartMath.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

using orvo::AxisRange;
using orvo::ChartPointRef;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(PaddedAxisRange, ShowsEveryFiniteValueWithRoomAround) {
    struct Case {
        QList<double> values;
        AxisRange expected;
    };
    for (const Case& c :
         {Case{{}, {0.0, 1.0}}, Case{{nan, inf, -inf}, {0.0, 1.0}},
          Case{{10.0, 0.0, 4.0}, {-0.5, 10.5}}, Case{{nan, 2.0, inf, 4.0}, {1.9, 4.1}},
          Case{{-20.0, -20.0}, {-21.0, -19.0}}, Case{{0.0}, {-1.0, 1.0}}}) {
        const AxisRange range = orvo::paddedAxisRange(c.values, 0.05);
        EXPECT_DOUBLE_EQ(range.min, c.expected.min) << c.values.size() << " values";
        EXPECT_DOUBLE_EQ(range.max, c.expected.max) << c.values.size() << " values";
    }
}

TEST(NearestPoint, PicksTheNearestPointWithinTheRadiusMeasuredInPixels) {
    // 10 pixels per x unit, 1 pixel per y unit: y differences count little.
    const std::vector<QList<QPointF>> series{{{0.0, 0.0}, {1.0, 0.0}}, {{0.2, 30.0}}};
    const QSizeF scale(10.0, 1.0);

    EXPECT_EQ(orvo::nearestPoint(series, {0.9, 3.0}, scale, 6.0), (ChartPointRef{0, 1}));
    EXPECT_EQ(orvo::nearestPoint(series, {0.2, 27.0}, scale, 6.0), (ChartPointRef{1, 0}));
    EXPECT_FALSE(orvo::nearestPoint(series, {0.5, 0.0}, scale, 4.9).has_value());
    EXPECT_FALSE(orvo::nearestPoint(series, {0.0, 7.0}, scale, 6.0).has_value());
    EXPECT_FALSE(orvo::nearestPoint({}, {0.0, 0.0}, scale, 6.0).has_value());
}

} // namespace
