#include "SampleData.h"

#include <orvo/regression/ResultChartData.h>

#include <gtest/gtest.h>

namespace {

using orvo::CalcResults;
using orvo::test::samplePoint;

// Row 1 of the block: estimate = 2 * SIG3 + 0.5, slot 2 holds a code that
// names no signal and must add nothing.
CalcResults estimateRow() {
    CalcResults results{};
    float* row = results.data() + 20;
    row[0] = 2;
    row[1] = 100;
    row[5] = 0.5f;
    row[6] = 0.875f;
    row[7] = 0.125f;
    row[15] = 3;
    row[16] = 12;
    return results;
}

TEST(ResultChart, PlotsEnabledPointsWithLabValuesAndMapsBackToTheirIndex) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 1, {0, 0, 1}), samplePoint(1, 1, 0, {0, 0, 5}),
                            samplePoint(2, 1, 3, {0, 0, 2}), samplePoint(3, 2, 4, {0, 0, 3}),
                            samplePoint(4, 1, 9, {0, 0, 9})});
    data->getMeasurementPoints(2)->enabled = false;
    const auto chart = orvo::computeResultChart(*data, 1, 4, estimateRow(), 1, 0);
    ASSERT_EQ(chart.points.size(), 2);
    EXPECT_EQ(chart.points[0], QPointF(1, 2.5));
    EXPECT_EQ(chart.points[1], QPointF(4, 6.5));
    EXPECT_EQ(chart.plottedPoints, (std::vector<int16_t>{0, 3}));
    EXPECT_FLOAT_EQ(chart.correlation, 0.875f);
    EXPECT_FLOAT_EQ(chart.stdError, 0.125f);
}

TEST(ResultChart, FittedLineRunsFivePercentBeyondTheLabValues) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 0, {0, 0, 1}), samplePoint(1, 1, 0, {0, 0, 2}),
                            samplePoint(2, 1, 0, {0, 0, 3})});
    data->getMeasurementPoints(0)->LabRes2 = 10;
    data->getMeasurementPoints(1)->LabRes2 = 20;
    data->getMeasurementPoints(2)->LabRes2 = 30;
    const auto chart = orvo::computeResultChart(*data, 1, 3, estimateRow(), 1, 3);
    ASSERT_TRUE(chart.fittedLine);
    // Estimates 2.5, 4.5, 6.5 lie on y = 0.2 x + 0.5.
    EXPECT_NEAR((*chart.fittedLine)[0].x(), 9, 1e-5);
    EXPECT_NEAR((*chart.fittedLine)[0].y(), 2.3, 1e-5);
    EXPECT_NEAR((*chart.fittedLine)[1].x(), 31, 1e-5);
    EXPECT_NEAR((*chart.fittedLine)[1].y(), 6.7, 1e-5);
}

TEST(ResultChart, NoLineWithoutTwoDistinctLabValuesAndNothingOutsideTheSet) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 2, {0, 0, 1}), samplePoint(1, 1, 2, {0, 0, 2})});
    EXPECT_FALSE(orvo::computeResultChart(*data, 1, 2, estimateRow(), 1, 0).fittedLine);
    const auto none = orvo::computeResultChart(*data, 1, 2, estimateRow(), 1, 1);
    EXPECT_TRUE(none.points.isEmpty());
    EXPECT_FALSE(none.fittedLine);
    const auto beyond = orvo::computeResultChart(*data, 2, 40, estimateRow(), 1, 0);
    EXPECT_EQ(beyond.plottedPoints, (std::vector<int16_t>{1}));
}

TEST(ResultChart, EstimateIsSummedInSinglePrecision) {
    CalcResults results{};
    results[0] = 1;
    results[1] = 1;
    results[15] = 1;
    results[16] = 2;
    auto point = samplePoint(0, 1, 1, {1e8, 1});
    // In double the sum would be 100000001; a float cannot hold it.
    EXPECT_EQ(orvo::rowEstimate(results, 0, *point), 1e8f);
}

} // namespace
