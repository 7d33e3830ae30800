#include "model/MeasurementData.h"

#include "ScriptedPrompts.h"
#include "model/CalibrationError.h"
#include "model/MeasurementPoint.h"
#include "model/OleDate.h"

#include <gtest/gtest.h>

namespace {

using orvo::CalibrationError;
using orvo::ErrorNumber;
using orvo::MeasurementData;
using orvo::MeasurementPoint;
using orvo::OleDate;
using orvo::PointPtr;
using orvo::Prompts;
using orvo::test::ScriptedPrompts;

const QString crlf = QStringLiteral("\r\n");

// A data line with the given date text and SIG1 = tag, in 33 columns.
QString dataLine(const QString& date, int tag = 0) {
    QStringList fields{date, QString::number(tag)};
    for (int i = 2; i <= 31; ++i)
        fields << QString::number(i);
    fields << QStringLiteral("True");
    return fields.join(QLatin1Char('\t'));
}

QString fileText(const QStringList& dates) {
    QString text = MeasurementPoint::headerLine() + crlf;
    for (int i = 0; i < dates.size(); ++i)
        text += dataLine(dates[i], i + 1) + crlf;
    return text;
}

QStringList isoDates(const MeasurementData& data) {
    QStringList dates;
    for (int16_t i = 0; i < data.pointCount(); ++i)
        dates << OleDate::isoText(data.getMeasurementPoints(i)->MeasurementDate);
    return dates;
}

PointPtr pointAt(double date, double sig1 = 0) {
    auto point = std::make_shared<MeasurementPoint>();
    point->MeasurementDate = date;
    point->SIG1 = sig1;
    return point;
}

double day(int d, int hour = 0) {
    return OleDate::fromParts(2005, 3, d, hour, 0, 0);
}

ErrorNumber readError(MeasurementData& data, const QString& text, int* fileLine = nullptr) {
    try {
        data.readText(text);
    } catch (const CalibrationError& e) {
        if (fileLine)
            *fileLine = e.fileLine();
        return e.number();
    }
    ADD_FAILURE() << "the text was read without error";
    return ErrorNumber::InvalidArgument;
}

TEST(MeasurementData, DateLayoutIsDetectedFromTheFirstLineInPatternOrder) {
    const struct {
        const char* first;
        const char* second;
        const char* firstIso;
    } cases[] = {
        {"2005-03-07 09:05:00", "2005-03-08 09:05:00", "2005-03-07 09:05:00"},
        {"13.3.2005 9:05:00", "14.03.2005 09:05:00", "2005-03-13 09:05:00"},
        {"3.13.2005 9:05:00", "3.14.2005 09:05:00", "2005-03-13 09:05:00"},
        // Seconds without AM/PM already match the pattern without seconds.
        {"3/7/2005 9:05:30", "3/8/2005 9:05", "2005-03-07 09:05:30"},
        {"3/7/2005 9:05:30 PM", "3/8/2005 12:05:00 AM", "2005-03-07 21:05:30"},
        {"13-3-2005 9:05:00", "14-03-2005 09:05:00", "2005-03-13 09:05:00"},
        {"3-13-2005 9:05:00", "3-14-2005 09:05:00", "2005-03-13 09:05:00"},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        MeasurementData data;
        data.readText(fileText({QLatin1String(c.first), QLatin1String(c.second)}));
        ASSERT_EQ(data.pointCount(), 2) << c.first;
        EXPECT_EQ(isoDates(data).first(), QLatin1String(c.firstIso)) << c.first;
        EXPECT_TRUE(prompts.messages.empty()) << c.first;
    }
}

TEST(MeasurementData, UnknownLayoutsFailOnTheFirstDataLine) {
    for (const char* date : {"2005/03/07 09:05:00", "3/7/2005 9:05:30 pm", "13.13.2005 09:05:00",
                             "13-13-2005 09:05:00", "7 March 2005"}) {
        MeasurementData data;
        int fileLine = 0;
        EXPECT_EQ(readError(data, fileText({QLatin1String(date)}), &fileLine),
                  ErrorNumber::OutOfRange)
            << date;
        EXPECT_EQ(fileLine, 2) << date;
    }
}

TEST(MeasurementData, UndecidableDayOrMonthIsAskedOnce) {
    const struct {
        QStringList dates;
        const char* question;
        Prompts::Answer answer;
        const char* firstIso;
    } cases[] = {
        {{"07.03.2005 09:00:00", "08.03.2005 09:00:00"},
         "Is it 'dd.mm.yyyy' date format?",
         Prompts::Answer::Yes,
         "2005-03-07 09:00:00"},
        {{"07.03.2005 09:00:00", "08.03.2005 09:00:00"},
         "Is it 'dd.mm.yyyy' date format?",
         Prompts::Answer::No,
         "2005-07-03 09:00:00"},
        {{"07-03-2005 09:00:00", "08-03-2005 09:00:00"},
         "Is it 'dd-mm-yyyy' date format?",
         Prompts::Answer::Yes,
         "2005-03-07 09:00:00"},
        {{"07-03-2005 09:00:00", "08-03-2005 09:00:00"},
         "Is it 'dd-mm-yyyy' date format?",
         Prompts::Answer::No,
         "2005-07-03 09:00:00"},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        prompts.answers.push_back(c.answer);
        MeasurementData data;
        data.readText(fileText(c.dates));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, QLatin1String(c.question));
        EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::YesNo);
        EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Question);
        EXPECT_EQ(isoDates(data).first(), QLatin1String(c.firstIso));
    }
}

TEST(MeasurementData, AnyLaterLineCanDecideDayOrMonthWithoutAQuestion) {
    ScriptedPrompts prompts;
    MeasurementData data;
    data.readText(fileText({"01.02.2005 08:00:00", "02.13.2005 08:00:00"}));
    EXPECT_EQ(isoDates(data), QStringList({"2005-01-02 08:00:00", "2005-02-13 08:00:00"}));
    data.readText(fileText({"01-02-2005 08:00:00", "13-02-2005 08:00:00"}));
    EXPECT_EQ(isoDates(data), QStringList({"2005-02-01 08:00:00", "2005-02-13 08:00:00"}));
    EXPECT_TRUE(prompts.messages.empty());

    int fileLine = 0;
    EXPECT_EQ(readError(data, fileText({"01.02.2005 08:00:00", "14.13.2005 08:00:00"}), &fileLine),
              ErrorNumber::OutOfRange);
    EXPECT_EQ(fileLine, 2);
    // A blank line breaks the scan, naming its line.
    EXPECT_EQ(readError(data,
                        MeasurementPoint::headerLine() + crlf + dataLine("01.02.2005 08:00:00") +
                            crlf + crlf + dataLine("02.02.2005 08:00:00") + crlf,
                        &fileLine),
              ErrorNumber::OutOfRange);
    EXPECT_EQ(fileLine, 3);
    EXPECT_EQ(readError(data, fileText({"01.02.2005 08:00:00", "x.02.2005 08:00:00"}), &fileLine),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(fileLine, 3);
}

TEST(MeasurementData, ReaderKeepsTheFirst200LinesThenSorts) {
    QStringList dates;
    for (int i = 250; i > 0; --i)
        dates << OleDate::isoText(day(1) + i / 24.0);
    MeasurementData data;
    data.readText(fileText(dates));
    ASSERT_EQ(data.pointCount(), 200);
    EXPECT_EQ(isoDates(data).first(), OleDate::isoText(day(1) + 51 / 24.0));
    EXPECT_EQ(data.getMeasurementPoints(0)->SIG1, 200);
    EXPECT_EQ(isoDates(data).last(), OleDate::isoText(day(1) + 250 / 24.0));
    for (int16_t i = 1; i < 200; ++i)
        EXPECT_LT(data.getMeasurementPoints(i - 1)->MeasurementDate,
                  data.getMeasurementPoints(i)->MeasurementDate);
}

TEST(MeasurementData, LineRulesOfTheReader) {
    MeasurementData data;
    // The piece after the last CR LF is never read.
    data.readText(fileText({"2005-03-07 09:00:00"}) + dataLine("2005-03-08 09:00:00"));
    EXPECT_EQ(data.pointCount(), 1);
    // Blank lines and samples before 1970 are dropped, the rest is kept.
    data.readText(MeasurementPoint::headerLine() + crlf + dataLine("2005-03-07 09:00:00") + crlf +
                  crlf + dataLine("1969-12-31 23:59:59") + crlf + dataLine("1970-01-01 00:00:00") +
                  crlf);
    EXPECT_EQ(isoDates(data), QStringList({"1970-01-01 00:00:00", "2005-03-07 09:00:00"}));
    EXPECT_FALSE(data.getMeasurementPoints(0)->modified);
    // A file cleared by the editor is empty and asks nothing.
    ScriptedPrompts prompts;
    data.readText(crlf);
    EXPECT_EQ(data.pointCount(), 0);
    EXPECT_TRUE(prompts.messages.empty());
    for (const QString& text : {QString(), QStringLiteral("header\nline\n")})
        EXPECT_EQ(readError(data, text), ErrorNumber::OutOfRange);
}

TEST(MeasurementData, FailingLineStopsTheReadKeepingEarlierPointsUnsorted) {
    MeasurementData data;
    const QString text = fileText({"2005-03-09 09:00:00", "2005-03-08 09:00:00"}) +
                         QStringLiteral("2005-03-07 09:00:00\t1\t2\t3\t4\t5") + crlf;
    int fileLine = 0;
    EXPECT_EQ(readError(data, text, &fileLine), ErrorNumber::OutOfRange);
    EXPECT_EQ(fileLine, 4);
    EXPECT_EQ(isoDates(data), QStringList({"2005-03-09 09:00:00", "2005-03-08 09:00:00"}));
}

TEST(MeasurementData, AddMeasurementPointStoresTheObjectUpTo200) {
    MeasurementData data;
    const PointPtr early = pointAt(OleDate::fromParts(1969, 12, 31, 23, 59, 59));
    data.AddMeasurementPoint(early);
    EXPECT_EQ(data.pointCount(), 0);
    for (int i = 0; i < 200; ++i) {
        const PointPtr p = pointAt(day(1) + i);
        p->modified = true;
        data.AddMeasurementPoint(p);
        EXPECT_EQ(data.getMeasurementPoints(static_cast<int16_t>(i)), p);
        EXPECT_FALSE(p->modified);
    }
    EXPECT_THROW(data.AddMeasurementPoint(pointAt(day(1))), CalibrationError);
    EXPECT_THROW(data.AddMeasurementPoint(nullptr), CalibrationError);
    EXPECT_EQ(data.pointCount(), 200);
    for (int16_t index : {int16_t(-1), int16_t(200)}) {
        try {
            data.getMeasurementPoints(index);
            ADD_FAILURE() << index;
        } catch (const CalibrationError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::OutOfRange);
        }
    }
    data.setPointCountTo0();
    EXPECT_EQ(data.pointCount(), 0);
    EXPECT_EQ(data.getMeasurementPoints(199)->MeasurementDate, day(1) + 199);
}

TEST(MeasurementData, MergeSkipsPlaceholderAndKnownDatesAndSorts) {
    MeasurementData data;
    data.AddMeasurementPoint(pointAt(day(2)));
    data.AddMeasurementPoint(pointAt(day(4)));
    const PointPtr fresh = pointAt(day(3));
    const PointPtr twinA = pointAt(day(5), 1);
    const PointPtr twinB = pointAt(day(5), 2);
    data.AddNewData(
        {pointAt(OleDate::fromParts(1901, 1, 1, 0, 0, 0)), fresh, pointAt(day(4)), twinA, twinB});
    ASSERT_EQ(data.pointCount(), 5);
    EXPECT_EQ(data.getMeasurementPoints(1), fresh);
    EXPECT_TRUE(fresh->modified);
    EXPECT_TRUE(fresh->enabled);
    EXPECT_FALSE(data.getMeasurementPoints(0)->modified);
    EXPECT_EQ(isoDates(data).last(), "2005-03-05 00:00:00");
    EXPECT_EQ(data.getMeasurementPoints(3)->MeasurementDate, day(5));
    EXPECT_EQ(data.getMeasurementPoints(4)->MeasurementDate, day(5));
}

TEST(MeasurementData, MergeIntoAFullSetOverwritesTheOldestPoints) {
    MeasurementData data;
    for (int i = 0; i < 200; ++i)
        data.AddMeasurementPoint(pointAt(day(1) + i / 24.0, i));
    std::vector<PointPtr> newest;
    for (int i = 0; i < 5; ++i)
        newest.push_back(pointAt(day(20) + i, 1000 + i));
    data.AddNewData(newest);
    ASSERT_EQ(data.pointCount(), 200);
    EXPECT_EQ(data.getMeasurementPoints(0)->SIG1, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(data.getMeasurementPoints(static_cast<int16_t>(195 + i)), newest[i]);
}

TEST(MeasurementData, MergeFailsWhenTheWrappedSlotPassesTheEnd) {
    MeasurementData data;
    for (int i = 0; i < 10; ++i)
        data.AddMeasurementPoint(pointAt(day(1) + i / 24.0));
    std::vector<PointPtr> flood;
    for (int i = 0; i < 391; ++i)
        flood.push_back(pointAt(day(20) + i / 24.0));
    try {
        data.AddNewData(flood);
        FAIL() << "391 new samples on 10 points were accepted";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::OutOfRange);
    }
    EXPECT_EQ(data.pointCount(), 10);
    EXPECT_EQ(data.getMeasurementPoints(0), flood[190]);
    EXPECT_EQ(data.getMeasurementPoints(199), flood[389]);
    flood.pop_back();
    data.AddNewData(flood);
    EXPECT_EQ(data.pointCount(), 200);
}

TEST(MeasurementData, DataMatrixHas36ColumnsPerPoint) {
    MeasurementData data;
    EXPECT_THROW(data.GetDataMatrix(), CalibrationError);
    for (bool enabled : {true, false}) {
        auto p = pointAt(OleDate::fromParts(2005, 3, 7, 9, 45, 0));
        double value = 1.5;
        for (double* signal : {&p->SIG1, &p->SIG2, &p->SIG3, &p->SIG4, &p->SIG5, &p->SIG6, &p->SIG7,
                               &p->SIG8, &p->SIG9, &p->SIG10})
            *signal = value++;
        p->SIG11 = p->SIG15 = p->pH = p->ConsMeas = p->LabRes3 = p->OldLabCons = 99;
        p->LabCons = 1.25;
        p->LabAsh = 12.5;
        p->LabRes1 = 3;
        p->LabRes2 = 4;
        p->Grade = 2;
        p->line = 1;
        p->enabled = enabled;
        data.AddMeasurementPoint(p);
    }
    const std::vector<float> m = data.GetDataMatrix();
    ASSERT_EQ(m.size(), 72u);
    // Day, month, year, hour and the month once more, then SIG1..SIG10.
    std::vector<float> expected = {7,   3,   2005, 9,   3,   1.5, 2.5, 3.5,
                                   4.5, 5.5, 6.5,  7.5, 8.5, 9.5, 10.5};
    expected.resize(36, 0.0f);
    expected[28] = 1.25f;
    expected[29] = 12.5f;
    expected[30] = 3;
    expected[31] = 4;
    expected[34] = 2;
    expected[35] = 1;
    EXPECT_EQ(std::vector<float>(m.begin(), m.begin() + 36), expected);
    std::fill(expected.begin() + 28, expected.begin() + 32, 0.0f);
    EXPECT_EQ(std::vector<float>(m.begin() + 36, m.end()), expected);
}

TEST(MeasurementData, DataMatrixRefusesValuesBeyondTheFloatRange) {
    MeasurementData data;
    data.AddMeasurementPoint(pointAt(day(1), 1e300));
    try {
        data.GetDataMatrix();
        FAIL() << "1e300 was narrowed";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

} // namespace
