#include "Caught.h"
#include "LocaleScope.h"

#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace orvo;

// "\t1\t2..." up to count, so that every column is recognisable.
QString values(int count = 31) {
    QString text;
    for (int i = 1; i <= count; ++i)
        text += '\t' + QString::number(i);
    return text;
}

const QString numbered = "2005-03-07 09:05:00" + values();

// The point read from a data line with the given layout code.
MeasurementPoint parsed(const QString& line, const QString& layout = "1") {
    MeasurementPoint point;
    QString text = line + ' ' + layout;
    point.ParseString(text);
    return point;
}

// The date read from a data line, or the error.
std::string dateOf(const QString& line, const QString& layout = "1") {
    MeasurementPoint point;
    const std::string error = test::errorText([&] { point = parsed(line, layout); });
    return error.empty() ? OleDate::isoText(point.MeasurementDate).toStdString() : error;
}

TEST(MeasurementPoint, ParseMapsEveryColumnToItsField) {
    using P = MeasurementPoint;
    const double P::*const columns[] = {
        &P::SIG1,   &P::SIG2,     &P::SIG3,    &P::SIG4,         &P::SIG5,    &P::SIG6,
        &P::SIG7,   &P::SIG8,     &P::SIG9,    &P::SIG10,        &P::SIG11,   &P::SIG12,
        &P::SIG13,  &P::SIG14,    &P::pH,      &P::Conductivity, &P::Charge,  &P::Floc,
        &P::temp,   &P::Errorper, &P::SIG15,   &P::ConsMeas,     &P::AshMeas, &P::LabCons,
        &P::LabAsh, &P::LabRes1,  &P::LabRes2, &P::LabRes3,      &P::LabRes4, &P::Grade,
        &P::line};
    const P p = parsed(numbered + "\tTrue");
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(p.*columns[i], i + 1) << "column " << i + 1;
    EXPECT_EQ(std::tuple(p.signal(0), p.signal(15), p.signal(16), p.labValue(1), p.labValue(4)),
              std::tuple(0.0, 21.0, 0.0, 25.0, 0.0));
}

TEST(MeasurementPoint, DataLineRoundTripsAt15DigitsWithDecimalPointsInACommaLocale) {
    test::LocaleScope comma(test::commaLocale());
    MeasurementPoint p = parsed(numbered + "\tFalse");
    p.SIG2 = 1.0 / 3;
    p.SIG3 = 1e-7;
    p.SIG5 = 123456789012345;
    p.SIG6 = 1e15;
    p.LabCons = 12.5;
    p.OldLabAsh = 99;
    p.modified = true;
    const QString line = p.toLine();
    EXPECT_EQ(line, "2005-03-07 09:05:00\t1\t0.333333333333333\t1E-07\t4\t123456789012345\t1E+15"
                    "\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\t20\t21\t22\t23\t12.5"
                    "\t25\t26\t27\t28\t29\t30\t31\tFalse");
    const MeasurementPoint copy = parsed(line);
    EXPECT_EQ(copy.toLine(), line);
    EXPECT_FALSE(copy.modified || copy.enabled);
    EXPECT_EQ(std::tuple(copy.OldLabCons, copy.OldLabAsh, copy.OldLabRes1, copy.OldLabRes2,
                         copy.OldLabRes3, copy.OldLabRes4),
              std::tuple(12.5, 25.0, 26.0, 27.0, 28.0, 29.0));
    p.enabled = true;
    EXPECT_TRUE(p.toLine().endsWith("\t31\tTrue"));
}

TEST(MeasurementPoint, EnabledColumnAndCommaRules) {
    const std::tuple<const char*, bool, double> cases[] = {
        {"\t7\tTRUE", true, 7},
        {"\t7\tTrue   ", true, 7},
        {"\t7\t1", false, 7},
        {"\t7,5\tFalse", false, 7.5},
        // Without the Enabled column the last field keeps its comma.
        {"\t7,5", true, 7}};
    for (const auto& [rest, enabled, line] : cases) {
        const MeasurementPoint p = parsed("2005-03-07 09:05:00" + values(30) + rest);
        EXPECT_EQ(std::pair(p.enabled, p.line), std::pair(enabled, line)) << rest;
    }
    EXPECT_EQ(parsed("2005-03-07 09:05:00\t1,5" + values(30)).SIG1, 1.5);
}

TEST(MeasurementPoint, ShortLinesAreIgnoredOrRefused) {
    // Up to four fields the point stays as it was; only the layout digit goes.
    MeasurementPoint p;
    QString text = "2005-03-07 09:05:00" + values(3) + " 1";
    p.ParseString(text);
    EXPECT_EQ(text, "2005-03-07 09:05:00\t1\t2\t3 ");
    EXPECT_EQ(std::pair(p.MeasurementDate, p.enabled), std::pair(0.0, false));
    EXPECT_EQ(dateOf("2005-03-07 09:05:00" + values(4)), "error 9 at line 0");
    EXPECT_EQ(dateOf("2005-03-07 09:05:00" + values(30)), "error 9 at line 0");
    EXPECT_EQ(dateOf(numbered, "x"), "error 13 at line 0");
}

TEST(MeasurementPoint, EveryDateLayoutIsReadWithItsOrderAndRules) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"  2005-03-07 09:05:00 ", "1", "2005-03-07 09:05:00"},
        {"3/7/2005 9:05", "4", "2005-03-07 09:05:00"},
        {"1/2/2005 12:30:00 AM", "5", "2005-01-02 00:30:00"},
        {"1/2/2005 12:30:00 PM", "5", "2005-01-02 12:30:00"},
        {"1/2/2005 01:30:00 AM", "5", "2005-01-02 01:30:00"},
        {"05-13-07 25:00:00", "1", "2006-01-08 01:00:00"},
        {"2005-03-07 09:05:00", "0", "error 9 at line 0"},
        {"2005-03-07 09:05", "1", "error 9 at line 0"},
        {"1/2/2005 01:30:00", "5", "error 9 at line 0"},
        {"2005-03-xx 09:05:00", "1", "error 13 at line 0"},
        {"2005-03-07  09:05:00", "1", "error 13 at line 0"},
        {"2005-40000-07 09:05:00", "1", "error 6 at line 0"},
        {"10000-01-01 00:00:00", "1", "error 6 at line 0"}};
    for (const auto& [date, layout, read] : cases)
        EXPECT_EQ(dateOf(date + values(), layout), read) << date << " layout " << layout;
}

} // namespace
