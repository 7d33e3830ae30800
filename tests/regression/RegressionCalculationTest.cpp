#include "SampleData.h"

#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/TextBoxNumber.h>

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

using orvo::RegressionCalculation;
using orvo::RegressionInputs;
using orvo::test::samplePoint;
using Outcome = RegressionCalculation::Outcome;

// Cons = 2 * SIG1 + 1 exactly; SIG2..SIG5 vary independently of it.
std::shared_ptr<orvo::MeasurementData> exactConsData(int count, double grade = 1) {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (int i = 0; i < count; ++i) {
        const double s1 = 1 + i;
        const double s2 = (i * 7) % 5 + 0.5 * i;
        const double s3 = (i * i) % 11;
        const double s4 = (i * 3) % 7 - 0.25 * i;
        const double s5 = std::sqrt(i + 2.0);
        data->AddMeasurementPoint(samplePoint(i, grade, 2 * s1 + 1, {s1, s2, s3, s4, s5}));
    }
    return data;
}

RegressionInputs inputs(int variables, const char* start, const char* end) {
    RegressionInputs in;
    in.variablesPosition = variables - 1;
    in.takeGrade1 = true;
    in.startText = QString::fromLatin1(start);
    in.endText = QString::fromLatin1(end);
    return in;
}

TEST(RegressionRun, RangeMustLieWithinTheSetAndBeOrdered) {
    for (const auto& [first, last, count, legal] : {std::tuple(1, 10, 10, true),
                                                    {10, 10, 10, true},
                                                    {0, 10, 10, false},
                                                    {5, 4, 10, false},
                                                    {1, 11, 10, false},
                                                    {1, 1, 0, false}})
        EXPECT_EQ(RegressionCalculation::rangeIsLegal(first, last, count), legal) << first << last;

    auto data = exactConsData(10);
    RegressionCalculation calc;
    for (const char* start : {"0", "", "abc", "11", "-1"})
        EXPECT_EQ(calc.fullRun(*data, inputs(1, start, "10")), Outcome::IllegalValues) << start;
    EXPECT_EQ(calc.fullRun(*data, inputs(1, "10", "10")), Outcome::NoLabValues);
}

TEST(RegressionRun, OnlyEnabledPointsOfATakenGradeWithALabValueCount) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 5), samplePoint(1, 2, 5), samplePoint(2, 3, 5),
                            samplePoint(3, 1, 0), samplePoint(4, 1, 5), samplePoint(5, 2, 1e-50)});
    data->getMeasurementPoints(4)->enabled = false;
    // First point, measurement, grades 1 and 2 taken; the count.
    for (const auto& [first, measurement, grade1, grade2, count] :
         {std::tuple(1, 0, true, false, 1),
          {1, 0, false, true, 1},
          {1, 0, true, true, 2},
          {2, 0, true, true, 1},
          {1, 1, true, true, 0},
          {1, 7, true, true, 0}})
        EXPECT_EQ(
            RegressionCalculation::countLabPoints(*data, first, 6, measurement, grade1, grade2),
            count)
            << first << measurement << grade1 << grade2;
}

TEST(RegressionRun, FullRunNeedsOneMorePointThanVariablesAndAtLeastFour) {
    auto data = exactConsData(6);
    RegressionCalculation calc;
    EXPECT_EQ(calc.fullRun(*data, inputs(1, "1", "3")), Outcome::NoLabValues);
    EXPECT_EQ(calc.fullRun(*data, inputs(1, "1", "4")), Outcome::Ran);
    EXPECT_EQ(calc.fullRun(*data, inputs(5, "1", "5")), Outcome::NoLabValues);
    EXPECT_EQ(calc.fullRun(*data, inputs(5, "1", "6")), Outcome::Ran);
}

TEST(RegressionRun, FullRunFillsTheControlBlockAndFindsTheExactFormula) {
    auto data = exactConsData(12);
    RegressionCalculation calc;
    RegressionInputs in = inputs(1, "2.5", "12");
    in.takeGrade2 = true;
    ASSERT_EQ(calc.fullRun(*data, in), Outcome::Ran);
    const orvo::CalcParams expected{1, 0, 1, 1, 0, 0, 0, 0, 1, 2, 0, 0, 0, 2, 12, 0, 0, 0, 0};
    EXPECT_EQ(calc.calcParams(), expected);

    const QStringList texts = calc.fillFormulaList(QStringLiteral("correlation"), QLocale::c());
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.front(), QStringLiteral("2 * DLed  + 1 / correlation : 1"));
    EXPECT_EQ(calc.candidateRow(0), 0);
    EXPECT_FALSE(calc.currentFormula(0, 0)) << "results not yet marked valid";
    calc.markResultsValid();
    const auto formula = calc.currentFormula(0, 0);
    ASSERT_TRUE(formula);
    EXPECT_EQ(formula->a1, 2.0f);
    EXPECT_EQ(formula->b, 1.0f);
    EXPECT_EQ(formula->countTerms(), 1);
    EXPECT_EQ(formula->Grade, 3);
    EXPECT_EQ(formula->line, 1);
    EXPECT_FALSE(calc.currentFormula(texts.size(), 0));
}

TEST(RegressionRun, StepsNeedTheirPointCountsAndContinueFromTheSelectedCandidate) {
    auto data = exactConsData(6);
    RegressionCalculation calc;
    EXPECT_EQ(calc.stepForward(*data, inputs(1, "1", "6"), 0), Outcome::NothingToStepFrom);

    ASSERT_EQ(calc.fullRun(*data, inputs(4, "1", "6")), Outcome::Ran);
    calc.fillFormulaList(QStringLiteral("c"));
    // Counted with the grade boxes as they are now, not as they were for the run.
    RegressionInputs gradeTwoOnly = inputs(4, "1", "6");
    std::tie(gradeTwoOnly.takeGrade1, gradeTwoOnly.takeGrade2) = std::pair(false, true);
    EXPECT_EQ(calc.stepForward(*data, gradeTwoOnly, 0), Outcome::NoLabValues);
    EXPECT_EQ(calc.stepForward(*data, inputs(4, "1", "6"), 0), Outcome::Ran) << "6 points for 5";
    EXPECT_EQ(calc.variableCount(), 5);
    EXPECT_FALSE(calc.canStepForward());
    EXPECT_EQ(calc.calcParams()[16], 1);

    ASSERT_EQ(calc.fullRun(*data, inputs(3, "1", "4")), Outcome::Ran);
    calc.fillFormulaList(QStringLiteral("c"));
    EXPECT_EQ(calc.stepForward(*data, inputs(3, "1", "4"), 0), Outcome::NoLabValues);

    ASSERT_EQ(calc.fullRun(*data, inputs(2, "1", "4")), Outcome::Ran);
    calc.fillFormulaList(QStringLiteral("c"));
    const int second = calc.candidateCount() - 1;
    ASSERT_GT(second, 0);
    ASSERT_EQ(calc.stepBack(*data, inputs(2, "1", "4"), second), Outcome::Ran);
    EXPECT_EQ(calc.variableCount(), 1);
    EXPECT_FALSE(calc.canStepBack());
    EXPECT_EQ(calc.calcParams()[16], -1);
    EXPECT_EQ(calc.calcParams()[17], second);
}

TEST(RegressionRun, TextBoxNumbersRoundHalvesToEvenAndSaturate) {
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral("2.5")), 2);
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral("3.5")), 4);
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral(" 1 2")), 12);
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral("7 points")), 7);
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral("x7")), 0);
    EXPECT_EQ(orvo::textBoxNumber32(QStringLiteral("1e12")), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(orvo::textBoxNumber16(QStringLiteral("-1e6")), std::numeric_limits<int16_t>::min());
}

} // namespace
