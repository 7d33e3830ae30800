#include "model/MeasurementPoint.h"

#include "LocaleScope.h"
#include "model/CalibrationError.h"
#include "model/OleDate.h"

#include <gtest/gtest.h>

namespace {

using orvo::CalibrationError;
using orvo::ErrorNumber;
using orvo::MeasurementPoint;
using orvo::OleDate;

// Fields 1..31 as text, "1".."31", so every column is recognisable.
QString numberedValues(int count = 31) {
    QStringList values;
    for (int i = 1; i <= count; ++i)
        values << QString::number(i);
    return values.join(QLatin1Char('\t'));
}

MeasurementPoint parsed(const QString& line, int layout = 1) {
    MeasurementPoint point;
    QString text = line + QStringLiteral(" %1").arg(layout);
    point.ParseString(text);
    return point;
}

MeasurementPoint samplePoint() {
    MeasurementPoint p;
    p.MeasurementDate = OleDate::fromParts(2005, 3, 7, 9, 5, 0);
    double value = 0.5;
    for (double* field :
         {&p.SIG1,   &p.SIG2,    &p.SIG3,     &p.SIG4,     &p.SIG5,         &p.SIG6,
          &p.SIG7,   &p.SIG8,    &p.SIG9,     &p.SIG10,    &p.SIG11,        &p.SIG12,
          &p.SIG13,  &p.SIG14,   &p.SIG15,    &p.pH,       &p.Conductivity, &p.Charge,
          &p.Floc,   &p.temp,    &p.Errorper, &p.ConsMeas, &p.AshMeas,      &p.LabCons,
          &p.LabAsh, &p.LabRes1, &p.LabRes2,  &p.LabRes3,  &p.LabRes4})
        *field = (value *= -1.37);
    p.SIG3 = 1e-7;
    p.SIG4 = 1.23456789012345e20;
    p.LabCons = 12.5;
    p.Grade = 2;
    p.line = 1;
    p.enabled = false;
    return p;
}

TEST(MeasurementPoint, HeaderHas33CaptionsInFileOrder) {
    const QStringList captions = MeasurementPoint::headerLine().split(QLatin1Char('\t'));
    ASSERT_EQ(captions.size(), 33);
    EXPECT_EQ(captions.first(), "Date");
    EXPECT_EQ(captions[15], "pH");
    EXPECT_EQ(captions[20], "Err%");
    EXPECT_EQ(captions[21], "SIG15");
    EXPECT_EQ(captions[31], "Line");
    EXPECT_EQ(captions.last(), "Enabled");
}

TEST(MeasurementPoint, DataLineHasDateColumnsInFileOrderAndDecimalPointsInACommaLocale) {
    orvo::test::LocaleScope comma(orvo::test::commaLocale());
    MeasurementPoint p = samplePoint();
    p.pH = 7.25;
    p.SIG15 = -0.001;
    const QString line = p.toLine();
    EXPECT_FALSE(line.contains(QLatin1Char(',')));
    const QStringList fields = line.split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 33);
    EXPECT_EQ(fields[0], "2005-03-07 09:05:00");
    EXPECT_EQ(fields[3], "1E-07");
    EXPECT_EQ(fields[4], "1.23456789012345E+20");
    EXPECT_EQ(fields[15], "7.25");
    EXPECT_EQ(fields[21], "-0.001");
    EXPECT_EQ(fields[24], "12.5");
    EXPECT_EQ(fields[30], "2");
    EXPECT_EQ(fields[32], "False");
}

TEST(MeasurementPoint, LineRoundTripKeepsEveryStoredField) {
    for (bool enabled : {false, true}) {
        MeasurementPoint original = samplePoint();
        original.enabled = enabled;
        original.modified = true;
        original.OldLabAsh = 99;
        const MeasurementPoint copy = parsed(original.toLine());
        EXPECT_EQ(copy.toLine(), original.toLine());
        EXPECT_EQ(copy.MeasurementDate, original.MeasurementDate);
        EXPECT_EQ(copy.SIG4, original.SIG4);
        EXPECT_EQ(copy.enabled, enabled);
        EXPECT_FALSE(copy.modified);
        EXPECT_EQ(copy.OldLabCons, copy.LabCons);
        EXPECT_EQ(copy.OldLabAsh, copy.LabAsh);
        EXPECT_EQ(copy.OldLabRes4, copy.LabRes4);
    }
}

TEST(MeasurementPoint, ParseMapsEveryColumnToItsField) {
    const MeasurementPoint p = parsed("2005-03-07 09:05:00\t" + numberedValues() + "\tTrue");
    EXPECT_EQ(p.SIG1, 1);
    EXPECT_EQ(p.SIG14, 14);
    EXPECT_EQ(p.pH, 15);
    EXPECT_EQ(p.Conductivity, 16);
    EXPECT_EQ(p.Charge, 17);
    EXPECT_EQ(p.Floc, 18);
    EXPECT_EQ(p.temp, 19);
    EXPECT_EQ(p.Errorper, 20);
    EXPECT_EQ(p.SIG15, 21);
    EXPECT_EQ(p.ConsMeas, 22);
    EXPECT_EQ(p.AshMeas, 23);
    EXPECT_EQ(p.LabCons, 24);
    EXPECT_EQ(p.LabAsh, 25);
    EXPECT_EQ(p.LabRes1, 26);
    EXPECT_EQ(p.LabRes4, 29);
    EXPECT_EQ(p.Grade, 30);
    EXPECT_EQ(p.line, 31);
    EXPECT_EQ(p.signal(15), 21);
    EXPECT_EQ(p.labValue(1), 25);
    EXPECT_EQ(p.labValue(4), 0);
}

TEST(MeasurementPoint, ParseRemovesOnlyTheLayoutDigitFromTheCallersText) {
    MeasurementPoint p;
    QString text = QStringLiteral("a\tb 1");
    p.ParseString(text);
    EXPECT_EQ(text, "a\tb ");
    EXPECT_EQ(p.MeasurementDate, 0);
    EXPECT_FALSE(p.enabled);
}

TEST(MeasurementPoint, EnabledColumnAndCommaRules) {
    const QString start = QStringLiteral("2005-03-07 09:05:00\t") + numberedValues(30);
    const struct {
        QString rest;
        bool enabled;
        double line;
    } cases[] = {
        {"\t7\tTRUE", true, 7},
        {"\t7\tTrue   ", true, 7},
        {"\t7\ttrue", true, 7},
        {"\t7\tyes", false, 7},
        {"\t7\t1", false, 7},
        {"\t7\t", false, 7},
        {"\t7,5\tFalse", false, 7.5},
        // Without the Enabled column the last field keeps its comma.
        {"\t7,5", true, 7},
    };
    for (const auto& c : cases) {
        const MeasurementPoint p = parsed(start + c.rest);
        EXPECT_EQ(p.enabled, c.enabled) << c.rest.toStdString();
        EXPECT_EQ(p.line, c.line) << c.rest.toStdString();
    }
    EXPECT_EQ(parsed("2005-03-07 09:05:00\t1,5\t" + numberedValues(30)).SIG1, 1.5);
}

TEST(MeasurementPoint, ShortLinesAreIgnoredOrRefused) {
    const MeasurementPoint untouched = parsed("2005-03-07 09:05:00\t1\t2\t3");
    EXPECT_EQ(untouched.MeasurementDate, 0);
    EXPECT_EQ(untouched.SIG1, 0);
    EXPECT_FALSE(untouched.enabled);
    for (int values : {4, 20, 30}) {
        try {
            parsed("2005-03-07 09:05:00\t" + numberedValues(values));
            ADD_FAILURE() << values << " values were accepted";
        } catch (const CalibrationError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::OutOfRange) << values;
        }
    }
}

TEST(MeasurementPoint, EveryDateLayoutIsReadWithItsOrderAndRules) {
    const struct {
        const char* date;
        int layout;
        const char* iso;
    } cases[] = {
        {"2005-03-07 09:05:00", 1, "2005-03-07 09:05:00"},
        {"  2005-03-07 09:05:00 ", 1, "2005-03-07 09:05:00"},
        {"07.03.2005 09:05:00", 2, "2005-03-07 09:05:00"},
        {"03.07.2005 09:05:00", 3, "2005-03-07 09:05:00"},
        {"3/7/2005 9:05", 4, "2005-03-07 09:05:00"},
        {"3/7/2005 9:05:30", 4, "2005-03-07 09:05:30"},
        {"1/2/2005 12:30:00 AM", 5, "2005-01-02 00:30:00"},
        {"1/2/2005 12:30:00 PM", 5, "2005-01-02 12:30:00"},
        {"1/2/2005 01:30:00 PM", 5, "2005-01-02 13:30:00"},
        {"1/2/2005 01:30:00 AM", 5, "2005-01-02 01:30:00"},
        {"07-03-2005 09:05:00", 6, "2005-03-07 09:05:00"},
        {"03-07-2005 09:05:00", 7, "2005-03-07 09:05:00"},
        {"05-13-07 25:00:00", 1, "2006-01-08 01:00:00"},
    };
    for (const auto& c : cases) {
        const MeasurementPoint p =
            parsed(QLatin1String(c.date) + "\t" + numberedValues(), c.layout);
        EXPECT_EQ(OleDate::isoText(p.MeasurementDate), QLatin1String(c.iso)) << c.date;
    }
}

TEST(MeasurementPoint, BadDatesAndLayoutsAreRefused) {
    const struct {
        const char* date;
        int layout;
        ErrorNumber error;
    } cases[] = {
        {"2005-03-07 09:05:00", 0, ErrorNumber::OutOfRange},
        {"2005-03-07 09:05:00", 8, ErrorNumber::OutOfRange},
        {"2005-03-07 09:05", 1, ErrorNumber::OutOfRange},
        {"", 1, ErrorNumber::OutOfRange},
        {"2005-03-xx 09:05:00", 1, ErrorNumber::TypeMismatch},
        {"2005-03-07  09:05:00", 1, ErrorNumber::TypeMismatch},
        {"1/2/2005 01:30:00", 5, ErrorNumber::OutOfRange},
        {"2005-40000-07 09:05:00", 1, ErrorNumber::Overflow},
        {"10000-01-01 00:00:00", 1, ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        try {
            parsed(QLatin1String(c.date) + "\t" + numberedValues(), c.layout);
            ADD_FAILURE() << c.date << " with layout " << c.layout << " was accepted";
        } catch (const CalibrationError& e) {
            EXPECT_EQ(e.number(), c.error) << c.date << " layout " << c.layout;
        }
    }
    MeasurementPoint p;
    QString noCode = QStringLiteral("2005-03-07 09:05:00\t") + numberedValues() + "x";
    EXPECT_THROW(p.ParseString(noCode), CalibrationError);
}

} // namespace
