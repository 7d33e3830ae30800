#include "regression/ResultCellValue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ResultCellValue, TinyValuesReadAsZeroAndOthersAreCutAfterFiveDecimals) {
    struct Case {
        float input;
        float shown;
    };
    for (const Case& c : {Case{0.0000005f, 0.0f}, Case{-0.0000009f, 0.0f}, Case{0.0f, 0.0f},
                          Case{0.0000011f, 0.0f}, Case{0.25f, 0.25f}, Case{1.234567f, 1.23456f},
                          Case{-1.234567f, -1.23456f}, Case{-7.0f, -7.0f},
                          // The float's exact value is cut: 0.7f lies just below 0.7.
                          Case{0.7f, 0.69999f}, Case{-0.7f, -0.69999f}})
        EXPECT_EQ(orvo::resultCellValue(c.input), c.shown) << c.input;
}

TEST(ResultCellValue, SmallNegativeValuesGivePlainZero) {
    EXPECT_FALSE(std::signbit(orvo::resultCellValue(-0.0000011f)));
    EXPECT_FALSE(std::signbit(orvo::resultCellValue(-0.0000001f)));
}

} // namespace
