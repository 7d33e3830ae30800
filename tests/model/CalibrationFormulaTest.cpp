#include "Caught.h"
#include "LocaleScope.h"

#include <orvo/model/CalibrationFormula.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace orvo;

CalibrationFormula formulaOf(int16_t code, std::initializer_list<std::pair<int, float>> terms,
                             float offset, int16_t grade = 1) {
    CalibrationFormula f;
    f.formula = code;
    f.Grade = grade;
    for (const auto& [number, value] : terms)
        f.setCoefficient(number, value);
    f.b = offset;
    return f;
}

TEST(CalibrationFormula,
     TextFormPutsTwoBlanksBeforeEverySignAfterTheFirstTermAndCountsOnlyA1ToA10) {
    const std::pair<CalibrationFormula, const char*> cases[] = {
        {formulaOf(0, {{1, 1.5f}, {3, -0.25f}}, 2), "Cons = 1.5 * DLed  - 0.25 * SLed  + 2"},
        {formulaOf(0, {}, 0), "Cons =  - 0"},
        {formulaOf(1, {{0, 9}, {2, -1}, {4, 2}, {10, 3}, {11, 9}}, 0.5f),
         "Ash =  - 1 * ALed  + 2 * ALaser  + 3 * S10  + 0.5"},
        {formulaOf(3, {{6, 12345678.0f}}, -1e-5f), "Res2 = 1.234568E+07 * DpLed  - 1E-05"},
        {formulaOf(7, {{7, 1}}, 1), " = 1 * S7  + 1"}};
    for (const auto& [formula, text] : cases)
        EXPECT_EQ(formula.GetFormulaString().toStdString(), text);
    // Only a1..a10 are kept and counted.
    const CalibrationFormula& ash = cases[2].first;
    EXPECT_EQ(std::tuple(ash.countTerms(), ash.coefficient(0), ash.coefficient(11)),
              std::tuple(int16_t{3}, 0.0f, 0.0f));
    test::LocaleScope comma(test::commaLocale());
    EXPECT_EQ(formulaOf(2, {{5, 0.75f}}, -1.5f).GetFormulaString(), "Res1 = 0,75 * SLaser  - 1,5");
}

TEST(CalibrationFormula, ParameterTextIsReadFieldByField) {
    const QString header = QStringLiteral(
        "Measurement\tGrade\tDLed\tALed\tSLed\tALaser\tSLaser\tDpLed\tS7\tS8\tS9\tS10\t(offset)");
    // Second line (none for nullptr); what reading says; formula, grade, a1 and b after it.
    const std::tuple<const char*, const char*, int16_t, int16_t, float, float> cases[] = {
        {"Cons\t2\t1.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-2", "complete", 0, 2, 1.5f, -2},
        {"Res2\t1&2\t1,5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t3E-2", "complete", 3, 3, 1.5f, 0.03f},
        // Unknown names leave their field alone but the numbers are still read.
        {"Ash\t3\t1.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\tx", "incomplete", 1, 9, 1.5f, 0},
        {"ash\t1\tabc\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1", "incomplete", 9, 1, 0, 1},
        // Anything but 13 fields changes nothing.
        {"Cons\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t", "incomplete", 9, 9, 7, 7},
        {"Cons\t1\t1", "incomplete", 9, 9, 7, 7},
        // A coefficient beyond the float range fails before anything is stored.
        {"Cons\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1e39", "error 6 at line 2", 9, 9, 7, 7},
        {nullptr, "error 9 at line 2", 9, 9, 7, 7}};
    for (const auto& [line, outcome, formula, grade, a1, offset] : cases) {
        CalibrationFormula f = formulaOf(9, {{1, 7}}, 7, 9);
        const QString text = line ? header + "\r\n" + line + "\r\n" : header;
        bool complete = false;
        std::string read = test::errorText([&] { complete = f.readText(text); });
        if (read.empty())
            read = complete ? "complete" : "incomplete";
        EXPECT_EQ(std::tuple(read, f.formula, f.Grade, f.a1, f.b),
                  std::tuple(std::string(outcome), formula, grade, a1, offset))
            << (line ? line : "no second line");
    }
}

} // namespace
