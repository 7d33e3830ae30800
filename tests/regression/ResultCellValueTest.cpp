#include "regression/ResultCellValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

struct CellCase {
    const char* name;
    float input;
    float shown;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultCellValue : public testing::TestWithParam<CellCase> {};

TEST_P(ResultCellValue, TinyValuesReadAsZeroAndOthersAreCutAfterFiveDecimals) {
    EXPECT_EQ(orvo::resultCellValue(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ResultCellValue,
    testing::Values(CellCase{"BelowOneMillionth", 0.0000005f, 0.0f},
                    CellCase{"NegativeBelowOneMillionth", -0.0000009f, 0.0f},
                    CellCase{"Zero", 0.0f, 0.0f},
                    CellCase{"AboveOneMillionthButNoFifthDecimal", 0.0000011f, 0.0f},
                    CellCase{"ExactValueKept", 0.25f, 0.25f},
                    CellCase{"CutNotRounded", 1.234567f, 1.23456f},
                    CellCase{"NegativeCutTowardZero", -1.234567f, -1.23456f},
                    CellCase{"WholeNumber", -7.0f, -7.0f},
                    // The float's exact value is cut: 0.7f lies just below 0.7.
                    CellCase{"FloatJustBelowItsDecimal", 0.7f, 0.69999f},
                    CellCase{"NegativeFloatJustAboveItsDecimal", -0.7f, -0.69999f}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(ResultCellValueLimits, HugeValuesStayFinite) {
    EXPECT_EQ(orvo::resultCellValue(3.0e38f), 3.0e38f);
    EXPECT_TRUE(std::isfinite(orvo::resultCellValue(-3.4e38f)));
}

} // namespace
