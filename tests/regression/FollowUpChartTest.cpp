#include "LocaleScope.h"
#include "SampleData.h"

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/OleDate.h>
#include <orvo/regression/FollowUpChart.h>
#include <orvo/regression/FollowUpReadout.h>

#include <gtest/gtest.h>

namespace {

using namespace orvo;
using test::samplePoint;

CalibrationFormula consFormula(float a1, float b) {
    CalibrationFormula formula;
    std::tie(formula.a1, formula.b) = std::pair(a1, b);
    return formula;
}

// Eight samples: 1, 4 and 6 have no lab value, 3 is disabled.
std::shared_ptr<MeasurementData> gappedData() {
    auto data = std::make_shared<MeasurementData>();
    const double labs[] = {5, 0, 7, 6, 0, 9, 0, 4};
    for (int i = 0; i < 8; ++i)
        data->AddMeasurementPoint(samplePoint(i, 2, labs[i], {double(i)}));
    data->getMeasurementPoints(3)->enabled = false;
    return data;
}

TEST(FollowUpChart, DrawnSamplesAreNumberedWithoutGapsWhateverTheirGrade) {
    const auto data = gappedData();
    const FollowUpChart hidden(*data, consFormula(2, 1), 1, 8, false);
    EXPECT_EQ(hidden.labValues(), (QList<QPointF>{{1, 5}, {2, 7}, {3, 9}, {4, 4}}));
    EXPECT_EQ(hidden.estimates(), (QList<QPointF>{{1, 1}, {2, 5}, {3, 11}, {4, 15}}));
    EXPECT_EQ(hidden.chartIndex(), (std::vector<int16_t>{0, 2, 5, 7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::pair(hidden.low(), hidden.high()), std::pair(1.0f, 15.0f));

    CalibrationFormula res4 = consFormula(1, 0);
    res4.formula = 5;
    data->getMeasurementPoints(2)->LabRes4 = 3;
    EXPECT_EQ(FollowUpChart(*data, res4, 1, 8, false).labValues(), (QList<QPointF>{{1, 3}}));
    res4.formula = 6;
    EXPECT_EQ(FollowUpChart(*data, res4, 1, 8, false).drawnCount(), 0);
}

TEST(FollowUpChart, RangeLinesStandHalfWayToTheSamplesOutsideTheRange) {
    const auto data = gappedData();
    // first, last; start and end mark; start and end line. Undrawn range ends
    // (2 and 5) take the number the next drawn sample gets.
    const auto none = std::nullopt;
    const std::tuple<int, int, int, int, std::optional<double>, std::optional<double>> cases[] = {
        {1, 8, 1, 4, none, none}, {3, 6, 2, 3, 1.5, 3.5},  {2, 5, 2, 3, 1.5, 3.5},
        {4, 7, 3, 4, 2.5, none},  {1, 0, 1, 0, none, 0.5}, {8, 8, 4, 4, 3.5, none}};
    for (const auto& [first, last, startMark, endMark, startLine, endLine] : cases) {
        const FollowUpChart chart(*data, consFormula(1, 0), first, last, false);
        SCOPED_TRACE(testing::Message() << first << ".." << last);
        EXPECT_EQ(std::pair(chart.startMark(), chart.endMark()), std::pair(startMark, endMark));
        EXPECT_EQ(std::pair(chart.startLine(), chart.endLine()), std::pair(startLine, endLine));
    }
}

TEST(FollowUpChart, EstimateKeepsA32BitRunningSumFromA1ToTheOffset) {
    CalibrationFormula formula = consFormula(1, 0.25f);
    std::tie(formula.a2, formula.a3) = std::pair(1.0f, -1.0f);
    // 1e8 + 1 is 1e8 in a float, so the 1 is lost before -1e8 comes.
    EXPECT_EQ(FollowUpChart::estimate(formula, *samplePoint(0, 1, 1, {1e8, 1, 1e8})), 0.25f);
}

TEST(FollowUpChart, PointAtRoundsHalvesToEvenAndStaysOnTheDrawnPoints) {
    const std::pair<double, int> cases[] = {{1.5, 1}, {2.5, 1}, {3.49, 2},        {-7, 0},
                                            {0.2, 0}, {9.9, 3}, {std::nan(""), 0}};
    for (const auto& [x, point] : cases)
        EXPECT_EQ(FollowUpChart::pointAt(x, 4), point) << x;
    EXPECT_EQ(FollowUpChart::pointAt(1, 0), std::nullopt);
}

TEST(FollowUpReadout, PercentageOfTheEstimateInTheUsersLocaleAndDateWithTime) {
    const PointPtr sample = samplePoint(3, 1, 10);
    sample->MeasurementDate += 0.25;
    const QLocale comma = test::commaLocale();
    const FollowUpReadout readout = FollowUpReadout::of(6, *sample, 10.5f, 8, comma);
    EXPECT_EQ(
        QStringList({readout.number, readout.date, readout.labValue, readout.estimate,
                     readout.difference, readout.percentage}),
        QStringList({"7",
                     OleDate::dateText(38356.25, comma) + " " + OleDate::timeText(38356.25, comma),
                     "10,5", "8,0000", "2,5000", "31,25 %"}));
    EXPECT_EQ(FollowUpReadout::of(0, *sample, 1, 0, comma).percentage, "-");
    EXPECT_EQ(FollowUpReadout::dateTimeText(38356, comma), OleDate::dateText(38356, comma));
}

} // namespace
