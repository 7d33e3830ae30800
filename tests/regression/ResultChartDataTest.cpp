#include "SampleData.h"

#include <orvo/regression/ResultChartData.h>

#include <QLineF>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using orvo::CalcResults;
using orvo::test::samplePoint;

// A block whose row `row` holds the leading cells given.
CalcResults blockWithRow(int row, const std::vector<float>& cells) {
    CalcResults results{};
    std::ranges::copy(cells, results.begin() + row * orvo::block::ColumnCount);
    return results;
}

// Row 1: estimate = 2 * SIG3 + 0.5 with correlation 0.875 and standard error
// 0.125; slot 2 holds a code that names no signal and must add nothing.
CalcResults estimateRow() {
    return blockWithRow(1, {2, 100, 0, 0, 0, 0.5f, 0.875f, 0.125f, 0, 0, 0, 0, 0, 0, 0, 3, 12});
}

TEST(ResultChart, PlotsEnabledPointsOfTheRangeWithLabValuesAndMapsBackToTheirIndex) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 1, {0, 0, 1}), samplePoint(1, 1, 0, {0, 0, 5}),
                            samplePoint(2, 1, 3, {0, 0, 2}), samplePoint(3, 2, 4, {0, 0, 3}),
                            samplePoint(4, 1, 9, {0, 0, 9})});
    data->getMeasurementPoints(2)->enabled = false;
    const auto chart = orvo::computeResultChart(*data, 1, 4, estimateRow(), 1, 0);
    EXPECT_EQ(chart.points, (QList<QPointF>{{1, 2.5}, {4, 6.5}}));
    EXPECT_EQ(chart.plottedPoints, (std::vector<int16_t>{0, 3}));
    EXPECT_EQ(std::pair(chart.correlation, chart.stdError), std::pair(0.875f, 0.125f));
    const auto beyond = orvo::computeResultChart(*data, 4, 40, estimateRow(), 1, 0);
    EXPECT_EQ(beyond.plottedPoints, (std::vector<int16_t>{3, 4})) << "nothing outside the set";
}

TEST(ResultChart, FittedLineRunsFivePercentBeyondTwoOrMoreDistinctLabValues) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 0, {0, 0, 1}), samplePoint(1, 1, 0, {0, 0, 2}),
                            samplePoint(2, 1, 0, {0, 0, 3})});
    for (int16_t i = 0; i < 3; ++i)
        data->getMeasurementPoints(i)->LabRes2 = 10 * (i + 1);
    const auto chart = orvo::computeResultChart(*data, 1, 3, estimateRow(), 1, 3);
    ASSERT_TRUE(chart.fittedLine);
    // Estimates 2.5, 4.5, 6.5 lie on y = 0.2 x + 0.5.
    const QPointF ends[] = {{9, 2.3}, {31, 6.7}};
    for (std::size_t k = 0; k < 2; ++k)
        EXPECT_LT(QLineF((*chart.fittedLine)[k], ends[k]).length(), 1e-5) << k;
    const auto none = orvo::computeResultChart(*data, 1, 3, estimateRow(), 1, 0);
    EXPECT_TRUE(none.points.isEmpty()) << "no Cons values";
    EXPECT_FALSE(none.fittedLine);
    data->getMeasurementPoints(1)->LabRes2 = 10;
    EXPECT_FALSE(orvo::computeResultChart(*data, 1, 2, estimateRow(), 1, 3).fittedLine);
}

TEST(ResultChart, EstimateIsSummedInSinglePrecision) {
    const CalcResults results =
        blockWithRow(0, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2});
    // In double the sum would be 100000001; a float cannot hold it.
    EXPECT_EQ(orvo::rowEstimate(results, 0, *samplePoint(0, 1, 1, {1e8, 1})), 1e8f);
}

} // namespace
