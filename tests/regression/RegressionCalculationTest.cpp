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
std::shared_ptr<orvo::MeasurementData> exactConsData(int count) {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (int i = 0; i < count; ++i)
        data->AddMeasurementPoint(samplePoint(i, 1, 2 * i + 3,
                                              {1.0 + i, (i * 7) % 5 + 0.5 * i, double((i * i) % 11),
                                               (i * 3) % 7 - 0.25 * i, std::sqrt(i + 2.0)}));
    return data;
}

RegressionInputs inputs(int variables, const char* start, const char* end) {
    return {0, variables - 1, true, false, QString::fromLatin1(start), QString::fromLatin1(end)};
}

// Range texts read as the text boxes do: 0 for no number, halves to even.
TEST(RegressionRun, FullRunNeedsAnOrderedRangeInTheSetAndMorePointsThanVariablesAtLeastFour) {
    auto data = exactConsData(6);
    RegressionCalculation calc;
    const Outcome illegal = Outcome::IllegalValues, tooFew = Outcome::NoLabValues;
    const std::tuple<int, const char*, const char*, Outcome> cases[] = {
        {1, "0", "6", illegal},     {1, "", "6", illegal},       {1, "abc", "6", illegal},
        {1, "-1", "6", illegal},    {1, "7", "7", illegal},      {1, "5", "4", illegal},
        {1, "1", "7", illegal},     {1, "6", "6", tooFew},       {1, "1", "3", tooFew},
        {1, "1.5", "4.5", tooFew},  {1, "1", "4", Outcome::Ran}, {5, "1", "5", tooFew},
        {5, "1", "6", Outcome::Ran}};
    for (const auto& [variables, start, end, outcome] : cases)
        EXPECT_EQ(calc.fullRun(*data, inputs(variables, start, end)), outcome)
            << variables << " variables over " << start << ".." << end;
}

TEST(RegressionRun, OnlyEnabledPointsOfATakenGradeWithALabValueCount) {
    auto data =
        orvo::test::dataOf({samplePoint(0, 1, 5), samplePoint(1, 2, 5), samplePoint(2, 3, 5),
                            samplePoint(3, 1, 0), samplePoint(4, 1, 5), samplePoint(5, 2, 1e-50)});
    data->getMeasurementPoints(4)->enabled = false;
    // First point, measurement, grades 1 and 2 taken; the count.
    const std::tuple<int, int, bool, bool, int> cases[] = {
        {1, 0, true, false, 1}, {1, 0, false, true, 1}, {1, 0, true, true, 2},
        {3, 0, true, true, 0},  {1, 1, true, true, 0},  {1, 7, true, true, 0}};
    for (const auto& [first, measurement, grade1, grade2, count] : cases)
        EXPECT_EQ(
            RegressionCalculation::countLabPoints(*data, first, 6, measurement, grade1, grade2),
            count)
            << first << measurement << grade1 << grade2;
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
    EXPECT_EQ(texts.value(0), QStringLiteral("2 * DLed  + 1 / correlation : 1"));
    EXPECT_EQ(calc.candidateRow(0), 0);
    EXPECT_FALSE(calc.currentFormula(0, 0)) << "results not yet marked valid";
    calc.markResultsValid();
    const auto formula = calc.currentFormula(0, 0);
    ASSERT_TRUE(formula);
    // a1, b, terms, grade (3 for grades 1 and 2) and line.
    EXPECT_EQ(
        std::tuple(formula->a1, formula->b, formula->countTerms(), formula->Grade, formula->line),
        std::tuple(2.0f, 1.0f, 1, 3, 1));
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
    // Variables, whether another step is open, and the step mode.
    EXPECT_EQ(std::tuple(calc.variableCount(), calc.canStepForward(), calc.calcParams()[16]),
              std::tuple(5, false, 1));

    ASSERT_EQ(calc.fullRun(*data, inputs(3, "1", "4")), Outcome::Ran);
    calc.fillFormulaList(QStringLiteral("c"));
    EXPECT_EQ(calc.stepForward(*data, inputs(3, "1", "4"), 0), Outcome::NoLabValues);

    ASSERT_EQ(calc.fullRun(*data, inputs(2, "1", "4")), Outcome::Ran);
    calc.fillFormulaList(QStringLiteral("c"));
    const int second = calc.candidateCount() - 1;
    ASSERT_GT(second, 0);
    ASSERT_EQ(calc.stepBack(*data, inputs(2, "1", "4"), second), Outcome::Ran);
    EXPECT_EQ(std::tuple(calc.variableCount(), calc.canStepBack(), calc.calcParams()[16],
                         calc.calcParams()[17]),
              std::tuple(1, false, -1, second));
}

TEST(RegressionRun, TextBoxNumbersRoundHalvesToEvenAndSaturate) {
    const std::pair<const char*, int32_t> cases[] = {
        {"2.5", 2},      {"3.5", 4}, {" 1 2", 12},
        {"7 points", 7}, {"x7", 0},  {"1e12", std::numeric_limits<int32_t>::max()}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(orvo::textBoxNumber32(QString::fromLatin1(text)), number) << text;
    EXPECT_EQ(orvo::textBoxNumber16(QStringLiteral("-1e6")), std::numeric_limits<int16_t>::min());
}

} // namespace
