#include "model/OleDate.h"

#include "LocaleScope.h"
#include "model/CalibrationError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using orvo::CalibrationError;
using orvo::OleDate;

TEST(OleDate, CountsDaysFrom30December1899WithTheTimeAsFraction) {
    EXPECT_EQ(OleDate::fromParts(1899, 12, 30, 0, 0, 0), 0.0);
    EXPECT_EQ(OleDate::fromParts(1900, 1, 1, 0, 0, 0), 2.0);
    EXPECT_EQ(OleDate::fromParts(1970, 1, 1, 0, 0, 0), 25569.0);
    EXPECT_EQ(OleDate::fromParts(1901, 1, 1, 0, 0, 0), 367.0);
    EXPECT_EQ(OleDate::fromParts(2005, 3, 7, 12, 0, 0), 38418.5);
    EXPECT_EQ(OleDate::fromParts(9999, 12, 31, 0, 0, 0), 2958465.0);
    EXPECT_EQ(OleDate::fromParts(100, 1, 1, 0, 0, 0), -657434.0);
}

TEST(OleDate, RollsOverLikeASerialDateFunction) {
    const auto iso = [](int y, int mo, int d, int h, int mi, int s) {
        return OleDate::isoText(OleDate::fromParts(y, mo, d, h, mi, s));
    };
    EXPECT_EQ(iso(2004, 13, 1, 0, 0, 0), "2005-01-01 00:00:00");
    EXPECT_EQ(iso(2005, 0, 15, 0, 0, 0), "2004-12-15 00:00:00");
    EXPECT_EQ(iso(2005, -1, 1, 0, 0, 0), "2004-11-01 00:00:00");
    EXPECT_EQ(iso(2005, 3, 0, 0, 0, 0), "2005-02-28 00:00:00");
    EXPECT_EQ(iso(2004, 3, 0, 0, 0, 0), "2004-02-29 00:00:00");
    EXPECT_EQ(iso(2005, 1, -1, 0, 0, 0), "2004-12-30 00:00:00");
    EXPECT_EQ(iso(2005, 2, 30, 0, 0, 0), "2005-03-02 00:00:00");
    EXPECT_EQ(iso(2005, 1, 1, 25, 61, 61), "2005-01-02 02:02:01");
    EXPECT_EQ(iso(2005, 1, 1, -1, 0, 0), "2004-12-31 23:00:00");
    EXPECT_EQ(iso(2005, 1, 1, 0, 0, -1), "2004-12-31 23:59:59");
    EXPECT_EQ(iso(5, 3, 7, 9, 5, 0), "2005-03-07 09:05:00");
    EXPECT_EQ(iso(29, 1, 1, 0, 0, 0), "2029-01-01 00:00:00");
    EXPECT_EQ(iso(30, 1, 1, 0, 0, 0), "1930-01-01 00:00:00");
    EXPECT_EQ(iso(99, 13, 1, 0, 0, 0), "2000-01-01 00:00:00");
    EXPECT_EQ(iso(999, 1, 1, 0, 0, 0), "999-01-01 00:00:00");
}

TEST(OleDate, RefusesYearsOutside100To9999) {
    const int outside[][3] = {
        {10000, 1, 1}, {9999, 13, 1}, {9999, 12, 32}, {100, 1, 0}, {-5, 1, 1}};
    for (const auto& d : outside) {
        try {
            OleDate::fromParts(d[0], d[1], d[2], 0, 0, 0);
            ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2] << " was accepted";
        } catch (const CalibrationError& e) {
            EXPECT_EQ(e.number(), orvo::ErrorNumber::Overflow);
        }
    }
    EXPECT_THROW(OleDate::fromParts(2000, 1, 1, 2'000'000'000, 0, 0), CalibrationError);
    EXPECT_THROW(OleDate::split(3e6), CalibrationError);
    EXPECT_THROW(OleDate::split(std::nan("")), CalibrationError);
}

TEST(OleDate, SplitRoundsToTheNearestSecondAndRoundTrips) {
    const double noon = OleDate::fromParts(2005, 3, 7, 12, 0, 0);
    const orvo::DateParts parts = OleDate::split(noon + 0.4 / 86400);
    EXPECT_EQ(parts.year, 2005);
    EXPECT_EQ(parts.month, 3);
    EXPECT_EQ(parts.day, 7);
    EXPECT_EQ(parts.hour, 12);
    EXPECT_EQ(parts.second, 0);
    EXPECT_EQ(OleDate::isoText(OleDate::fromParts(2005, 3, 7, 23, 59, 59) + 0.6 / 86400),
              "2005-03-08 00:00:00");
    // Below zero the count is linear: one quarter day before the epoch.
    EXPECT_EQ(OleDate::isoText(-0.25), "1899-12-29 18:00:00");
    for (double date = -657434.0; date < 2958466.0; date += 12345.678) {
        const orvo::DateParts p = OleDate::split(date);
        EXPECT_NEAR(OleDate::fromParts(p.year, p.month, p.day, p.hour, p.minute, p.second), date,
                    0.5 / 86400)
            << date;
    }
}

TEST(OleDate, ScreenTextsFollowTheLocale) {
    const double date = OleDate::fromParts(2005, 3, 7, 14, 5, 9);
    EXPECT_EQ(OleDate::dateText(date, orvo::test::commaLocale()), "07.03.05");
    EXPECT_EQ(OleDate::timeText(date, orvo::test::commaLocale()), "14:05:09");
    EXPECT_EQ(OleDate::dateText(date, orvo::test::pointLocale()), "3/7/05");
    EXPECT_EQ(OleDate::timeText(date, orvo::test::pointLocale()), "2:05:09 PM");
}

} // namespace
