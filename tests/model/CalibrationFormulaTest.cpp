#include "model/CalibrationFormula.h"

#include "LocaleScope.h"
#include "ScriptedPrompts.h"
#include "model/CalibrationError.h"

#include <gtest/gtest.h>

namespace {

using orvo::CalibrationError;
using orvo::CalibrationFormula;
using orvo::Prompts;
using orvo::test::ScriptedPrompts;

CalibrationFormula formulaOf(int16_t code, std::initializer_list<std::pair<int, float>> terms,
                             float offset) {
    CalibrationFormula f;
    f.formula = code;
    f.Grade = 1;
    for (const auto& [number, value] : terms)
        f.setCoefficient(number, value);
    f.b = offset;
    return f;
}

const char* const parameterHeader =
    "Measurement\tGrade\tDLed\tALed\tSLed\tALaser\tSLaser\tDpLed\tS7\tS8\tS9\tS10\t(offset)";

TEST(CalibrationFormula, TextFormPutsTwoBlanksBeforeEverySignAfterTheFirstTerm) {
    const struct {
        CalibrationFormula formula;
        const char* text;
    } cases[] = {
        {formulaOf(0, {{1, 1.5f}, {3, -0.25f}}, 2), "Cons = 1.5 * DLed  - 0.25 * SLed  + 2"},
        {formulaOf(0, {}, -3.5f), "Cons =  - 3.5"},
        {formulaOf(0, {}, 0), "Cons =  - 0"},
        {formulaOf(1, {{2, -1}, {4, 2}, {10, 3}}, 0.5f),
         "Ash =  - 1 * ALed  + 2 * ALaser  + 3 * S10  + 0.5"},
        {formulaOf(3, {{6, 12345678.0f}}, -1e-5f), "Res2 = 1.234568E+07 * DpLed  - 1E-05"},
        {formulaOf(7, {{7, 1}}, 1), " = 1 * S7  + 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.formula.GetFormulaString(), QLatin1String(c.text)) << c.text;

    orvo::test::LocaleScope comma(orvo::test::commaLocale());
    EXPECT_EQ(formulaOf(2, {{5, 0.75f}}, -1.5f).GetFormulaString(), "Res1 = 0,75 * SLaser  - 1,5");
}

TEST(CalibrationFormula, ShowFormulaShowsTheParameterNoticeWithOk) {
    ScriptedPrompts prompts;
    CalibrationFormula f = formulaOf(1, {{2, -0.5f}}, 4);
    f.Grade = 3;
    f.ShowFormula();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.messages[0].text,
              "Following parameters will be sent to DTM: \nformula: ash\ngrade: 1&2\na1: 0\n"
              "a2: -0.5\na3: 0\na4: 0\na5: 0\na6: 0\na7: 0\na8: 0\na9: 0\na10: 0\nb: 4");
}

TEST(CalibrationFormula, CountsNonZeroCoefficientsButNotTheOffset) {
    CalibrationFormula f = formulaOf(0, {{1, 1}, {5, -2}, {10, 3}}, 7);
    EXPECT_EQ(f.countTerms(), 3);
    f.setCoefficient(11, 9);
    EXPECT_EQ(f.countTerms(), 3);
    EXPECT_EQ(f.coefficient(11), 0);
}

TEST(CalibrationFormula, ParameterTextIsReadFieldByField) {
    const QString header = QLatin1String(parameterHeader) + "\r\n";
    const struct {
        const char* line;
        bool complete;
        int16_t formula;
        int16_t grade;
        float a1;
        float offset;
    } cases[] = {
        {"Ash\t2\t1.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-2", true, 1, 2, 1.5f, -2},
        {"Res2\t1&2\t1,5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t3E-2", true, 3, 3, 1.5f, 0.03f},
        {"Ash\t3\t1.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\tx", false, 1, 9, 1.5f, 0},
        {"ash\t1\tabc\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1", false, 9, 1, 0, 1},
        {"Cons\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t", false, 9, 9, 7, 7},
        {"Cons\t1\t1", false, 9, 9, 7, 7},
    };
    for (const auto& c : cases) {
        CalibrationFormula f;
        f.formula = 9;
        f.Grade = 9;
        f.a1 = 7;
        f.b = 7;
        EXPECT_EQ(f.readText(header + QLatin1String(c.line) + "\r\n"), c.complete) << c.line;
        EXPECT_EQ(f.formula, c.formula) << c.line;
        EXPECT_EQ(f.Grade, c.grade) << c.line;
        EXPECT_EQ(f.a1, c.a1) << c.line;
        EXPECT_EQ(f.b, c.offset) << c.line;
    }
}

TEST(CalibrationFormula, ParameterTextWithoutSecondLineOrWithHugeNumbersFails) {
    CalibrationFormula f;
    try {
        f.readText(QLatin1String(parameterHeader));
        FAIL() << "a text without a second line was read";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), orvo::ErrorNumber::OutOfRange);
    }
    try {
        f.readText(QLatin1String(parameterHeader) +
                   "\r\nCons\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1e39\r\n");
        FAIL() << "1e39 was taken as a float";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), orvo::ErrorNumber::Overflow);
    }
    EXPECT_EQ(f.b, 0);
}

} // namespace
