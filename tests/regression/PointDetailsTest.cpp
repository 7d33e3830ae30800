#include "LocaleScope.h"
#include "SampleData.h"

#include <orvo/regression/PointDetails.h>

#include <gtest/gtest.h>

namespace {

TEST(PointDetails, SignalsFlocAndTempHaveFourDecimalsTheRestPlainText) {
    auto point = orvo::test::samplePoint(0, 2, 0.75, {1.5, -0.00004, 3, 4, 5, 6.25, 7, 8, 9, 1e-7});
    std::tie(point->Floc, point->temp, point->LabRes2, point->line) =
        std::tuple(12, -3.14159, 1234.5, 3);
    // Number, date, time, SIG1..SIG10, Floc, Temp, the four lab values, grade and line.
    EXPECT_EQ(
        orvo::pointDetailValues(*point, 4, orvo::test::commaLocale()),
        QStringList({"5",       "01.01.05", "00:00:00", "1,5000", "0,0000", "3,0000", "4,0000",
                     "5,0000",  "6,25",     "7",        "8",      "9",      "1E-07",  "12,0000",
                     "-3,1416", "0,75",     "0",        "0",      "1234,5", "2",      "3"}));
}

} // namespace
