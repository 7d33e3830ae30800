#include "LocaleScope.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/OleDate.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace orvo;

TEST(OleDate, CountsDaysFrom30December1899AndRollsOverLikeASerialDateFunction) {
    EXPECT_EQ(OleDate::fromParts(1899, 12, 30, 0, 0, 0), 0.0);
    EXPECT_EQ(OleDate::fromParts(1900, 1, 1, 0, 0, 0), 2.0);
    EXPECT_EQ(OleDate::fromParts(2005, 3, 7, 12, 0, 0), 38418.5);
    EXPECT_EQ(OleDate::fromParts(9999, 12, 31, 0, 0, 0), 2958465.0);
    EXPECT_EQ(OleDate::fromParts(100, 1, 1, 0, 0, 0), -657434.0);
    const auto iso = [](int y, int mo, int d, int h, int mi, int s) {
        return OleDate::isoText(OleDate::fromParts(y, mo, d, h, mi, s));
    };
    EXPECT_EQ(iso(2004, 13, 1, 0, 0, 0), "2005-01-01 00:00:00");
    EXPECT_EQ(iso(2005, 0, 15, 0, 0, 0), "2004-12-15 00:00:00");
    EXPECT_EQ(iso(2004, 3, 0, 0, 0, 0), "2004-02-29 00:00:00");
    EXPECT_EQ(iso(2005, 2, 30, 0, 0, 0), "2005-03-02 00:00:00");
    EXPECT_EQ(iso(2005, 1, 1, 25, 61, 61), "2005-01-02 02:02:01");
    EXPECT_EQ(iso(2005, 1, 1, 0, 0, -1), "2004-12-31 23:59:59");
    // Two-digit years; the year is written unpadded.
    EXPECT_EQ(iso(29, 1, 1, 0, 0, 0), "2029-01-01 00:00:00");
    EXPECT_EQ(iso(30, 1, 1, 0, 0, 0), "1930-01-01 00:00:00");
    EXPECT_EQ(iso(99, 13, 1, 0, 0, 0), "2000-01-01 00:00:00");
    EXPECT_EQ(iso(999, 1, 1, 0, 0, 0), "999-01-01 00:00:00");
}

// The overflow error number itself is pinned where data lines are read and
// written.
TEST(OleDate, RefusesYearsOutside100To9999) {
    const int parts[][4] = {
        {9999, 12, 32, 0}, {100, 1, 0, 0}, {-5, 1, 1, 0}, {2000, 1, 1, 2'000'000'000}};
    for (const auto& [year, month, day, hour] : parts)
        EXPECT_THROW(OleDate::fromParts(year, month, day, hour, 0, 0), CalibrationError) << year;
    for (const double date : {-657434.5, 2958466.0, std::nan("")})
        EXPECT_THROW(OleDate::split(date), CalibrationError) << date;
}

TEST(OleDate, SplitRoundsToTheNearestSecondAndRoundTrips) {
    const double noon = OleDate::fromParts(2005, 3, 7, 12, 0, 0);
    EXPECT_EQ(OleDate::isoText(noon + 0.4 / 86400), "2005-03-07 12:00:00");
    EXPECT_EQ(OleDate::isoText(OleDate::fromParts(2005, 3, 7, 23, 59, 59) + 0.6 / 86400),
              "2005-03-08 00:00:00");
    // Below zero the count is linear: one quarter day before the epoch.
    EXPECT_EQ(OleDate::isoText(-0.25), "1899-12-29 18:00:00");
    for (double date = -657434.0; date < 2958466.0; date += 12345.678) {
        const DateParts p = OleDate::split(date);
        EXPECT_NEAR(OleDate::fromParts(p.year, p.month, p.day, p.hour, p.minute, p.second), date,
                    0.5 / 86400)
            << date;
    }
}

TEST(OleDate, ScreenTextsFollowTheLocale) {
    const double date = OleDate::fromParts(2005, 3, 7, 14, 5, 9);
    EXPECT_EQ(OleDate::dateText(date, test::commaLocale()), "07.03.05");
    EXPECT_EQ(OleDate::timeText(date, test::commaLocale()), "14:05:09");
    EXPECT_EQ(OleDate::dateText(date, test::pointLocale()), "3/7/05");
    EXPECT_EQ(OleDate::timeText(date, test::pointLocale()), "2:05:09 PM");
}

} // namespace
