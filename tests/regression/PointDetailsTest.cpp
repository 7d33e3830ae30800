#include "LocaleScope.h"
#include "SampleData.h"

#include <orvo/regression/PointDetails.h>

#include <gtest/gtest.h>

namespace {

TEST(PointDetails, SignalsFlocAndTempHaveFourDecimalsTheRestPlainText) {
    auto point = orvo::test::samplePoint(0, 2, 0.75, {1.5, -0.00004, 3, 4, 5, 6.25, 7, 8, 9, 1e-7});
    point->Floc = 12;
    point->temp = -3.14159;
    point->LabRes2 = 1234.5;
    point->line = 3;
    const QStringList values = orvo::pointDetailValues(*point, 4, orvo::test::commaLocale());
    ASSERT_EQ(values.size(), 21);
    EXPECT_EQ(values[0], "5");
    EXPECT_EQ(values[3], "1,5000");
    EXPECT_EQ(values[8], "6,25");
    EXPECT_EQ(values[12], "1E-07");
    EXPECT_EQ(values[13], "12,0000");
    EXPECT_EQ(values[14], "-3,1416");
    EXPECT_EQ(values[15], "0,75");
    EXPECT_EQ(values[18], "1234,5");
    EXPECT_EQ(values[19], "2");
    EXPECT_EQ(values[20], "3");
}

} // namespace
