#include "Caught.h"
#include "SampleData.h"

#include <orvo/model/MeasurementData.h>
#include <orvo/model/OleDate.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

using namespace orvo;
using test::errorOf;

const QString crlf = QStringLiteral("\r\n");

// A data file whose lines carry the given date texts and SIG1 = 1, 2, ...;
// an empty date text stands for a blank line.
QString file(const QStringList& dates) {
    QString text = MeasurementPoint::headerLine() + crlf;
    for (int i = 0; i < dates.size(); ++i) {
        if (!dates[i].isEmpty())
            text +=
                dates[i] + '\t' + QString::number(i + 1) + QString("\t0").repeated(30) + "\tTrue";
        text += crlf;
    }
    return text;
}

// The questions asked, the dates read in slot order, then the error that
// stopped the read. Questions are answered by dayFirst; without it there is
// nobody to ask.
std::string read(MeasurementData& data, const QString& text, std::optional<bool> dayFirst = false) {
    QStringList result;
    DayFirstQuestion answerer;
    if (dayFirst)
        answerer = [&](const QString& question) {
            result << question;
            return *dayFirst;
        };
    const std::string error = test::errorText([&] { data.readText(text, answerer); });
    for (int16_t i = 0; i < data.pointCount(); ++i)
        result << OleDate::isoText(data.getMeasurementPoints(i)->MeasurementDate);
    if (!error.empty())
        result << QString::fromStdString(error);
    return result.join(", ").toStdString();
}

// count points a day apart, LabCons = 0, 1, 2, ...
std::vector<PointPtr> daily(int count, int firstDay = 0) {
    std::vector<PointPtr> points;
    for (int i = 0; i < count; ++i)
        points.push_back(test::samplePoint(firstDay + i, 0, i));
    return points;
}

TEST(MeasurementData, ReadingRules) {
    QStringList hourly;
    for (int i = 1; i <= 250; ++i)
        hourly << OleDate::isoText(38412.0 + i / 24.0);
    const std::string latest200 = hourly.mid(50).join(", ").toStdString();
    const std::pair<QString, const char*> cases[] = {
        // The first data line tells the layout, tried in a fixed order.
        {file({"2005-03-07 09:05:00"}), "2005-03-07 09:05:00"},
        {file({"13.3.2005 9:05:00"}), "2005-03-13 09:05:00"},
        {file({"3/7/2005 9:05:30"}), "2005-03-07 09:05:30"},
        {file({"3/7/2005 9:05:30 PM"}), "2005-03-07 21:05:30"},
        {file({"3-13-2005 9:05:00"}), "2005-03-13 09:05:00"},
        {file({"2005/03/07 09:05:00"}), "error 9 at line 2"},
        {file({"13-13-2005 09:05:00"}), "error 9 at line 2"},
        // Any line can decide day or month; a bad one on the way fails.
        {file({"01.02.2005 08:00:00", "02.13.2005 08:00:00"}),
         "2005-01-02 08:00:00, 2005-02-13 08:00:00"},
        {file({"01-02-2005 08:00:00", "13-02-2005 08:00:00"}),
         "2005-02-01 08:00:00, 2005-02-13 08:00:00"},
        {file({"01.02.2005 08:00:00", "", "02.02.2005 08:00:00"}), "error 9 at line 3"},
        {file({"01.02.2005 08:00:00", "x.02.2005 08:00:00"}), "error 13 at line 3"},
        // The piece after the last CR LF is never read.
        {file({"2005-03-07 09:00:00", "2005-03-08 09:00:00"}).chopped(2), "2005-03-07 09:00:00"},
        // Blank lines and samples before 1970 are dropped.
        {file({"2005-03-07 09:00:00", "", "1969-12-31 23:59:59", "1970-01-01 00:00:00"}),
         "1970-01-01 00:00:00, 2005-03-07 09:00:00"},
        // A file without a line end is broken.
        {QStringLiteral("header\nline\n"), "error 9 at line 0"},
        // A failing line stops the read, keeping the earlier points unsorted.
        {file({"2005-03-09 09:00:00", "2005-03-08 09:00:00"}) +
             "2005-03-07 09:00:00\t1\t2\t3\t4\t5" + crlf,
         "2005-03-09 09:00:00, 2005-03-08 09:00:00, error 9 at line 4"},
        // Only the first 200 lines are kept, then sorted.
        {file(QStringList(hourly.rbegin(), hourly.rend())), latest200.c_str()}};
    for (const auto& [text, dates] : cases) {
        MeasurementData data;
        EXPECT_EQ(read(data, text), dates) << text.toStdString();
    }
}

TEST(MeasurementData, UndecidableDayOrMonthIsAskedOnceAndReadsMonthFirstWithoutAnAnswerer) {
    const std::tuple<QString, bool, const char*> cases[] = {
        {"07.03.2005 09:00:00", true,
         "Is it 'dd.mm.yyyy' date format?, 2005-03-07 09:00:00, 2005-03-07 09:00:00"},
        {"07-03-2005 09:00:00", false,
         "Is it 'dd-mm-yyyy' date format?, 2005-07-03 09:00:00, 2005-07-03 09:00:00"}};
    for (const auto& [date, dayFirst, asked] : cases) {
        MeasurementData data;
        EXPECT_EQ(read(data, file({date, date}), dayFirst), asked);
        // Reading again replaces what the set held.
        EXPECT_EQ(read(data, file({date}), std::nullopt), "2005-07-03 09:00:00");
    }
}

// Adding refuses a 201st point; merging past the capacity overwrites the
// oldest slots instead.
TEST(MeasurementData, AddingStoresTheVeryObjectsUpTo200AndMergingPastThemOverwritesTheOldest) {
    MeasurementData data;
    for (const PointPtr& p : daily(200)) {
        p->modified = true;
        data.AddMeasurementPoint(p);
        EXPECT_EQ(data.getMeasurementPoints(data.pointCount() - 1), p);
        EXPECT_FALSE(p->modified);
    }
    EXPECT_EQ(errorOf([&] { data.AddMeasurementPoint(daily(1)[0]); }), ErrorNumber::OutOfRange);
    EXPECT_EQ(errorOf([&] { data.AddMeasurementPoint(nullptr); }), ErrorNumber::MissingObject);
    EXPECT_EQ(errorOf([&] { data.getMeasurementPoints(-1); }), ErrorNumber::OutOfRange);
    EXPECT_EQ(errorOf([&] { data.getMeasurementPoints(200); }), ErrorNumber::OutOfRange);

    const std::vector<PointPtr> newest = daily(5, 1000);
    data.AddNewData(newest);
    EXPECT_EQ(data.getMeasurementPoints(0)->LabCons, 5);
    EXPECT_EQ(data.getMeasurementPoints(195), newest[0]);
    EXPECT_EQ(data.getMeasurementPoints(199), newest[4]);

    // A slot past the end even after wrapping fails, keeping what was written;
    // slots are not checked against the count.
    const auto few = test::dataOf(daily(10));
    std::vector<PointPtr> flood = daily(391, 1000);
    EXPECT_EQ(errorOf([&] { few->AddNewData(flood); }), ErrorNumber::OutOfRange);
    EXPECT_EQ(few->pointCount(), 10);
    EXPECT_EQ(few->getMeasurementPoints(0), flood[190]);
    EXPECT_EQ(few->getMeasurementPoints(199), flood[389]);
    flood.pop_back();
    few->AddNewData(flood);
    EXPECT_EQ(few->pointCount(), 200);
}

TEST(MeasurementData, MergeSkipsPlaceholderAndKnownDatesAndSorts) {
    const std::vector<PointPtr> points = daily(5);
    const MeasurementPoint twin = *points[4];
    auto data = test::dataOf({points[1], points[3]});
    points[2]->enabled = false;
    const PointPtr placeholder = std::make_shared<MeasurementPoint>();
    placeholder->MeasurementDate = OleDate::fromParts(1901, 1, 1, 0, 0, 0);
    data->AddNewData(
        {placeholder, points[2], daily(4)[3], points[4], std::make_shared<MeasurementPoint>(twin)});
    ASSERT_EQ(data->pointCount(), 5);
    EXPECT_EQ(data->getMeasurementPoints(1), points[2]);
    EXPECT_EQ(data->getMeasurementPoints(2), points[3]);
    EXPECT_EQ(data->getMeasurementPoints(4)->MeasurementDate, twin.MeasurementDate);
    EXPECT_TRUE(points[2]->modified && points[2]->enabled);
    EXPECT_FALSE(points[1]->modified);
}

TEST(MeasurementData, DataMatrixHas36ColumnsPerPoint) {
    EXPECT_EQ(errorOf([] { MeasurementData().GetDataMatrix(); }), ErrorNumber::OutOfRange);
    // 2005-03-07 09:45, then the same point disabled, to see the second row
    // start where it should.
    const PointPtr p =
        test::samplePoint(65, 2, 1.25, {1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5, 8.5, 9.5, 10.5});
    p->MeasurementDate += 9.75 / 24;
    p->SIG11 = p->SIG15 = p->pH = p->ConsMeas = p->LabRes3 = p->OldLabCons = 99;
    std::tie(p->LabAsh, p->LabRes1, p->LabRes2, p->line) = std::tuple(12.5, 3.0, 4.0, 1.0);
    const auto disabled = std::make_shared<MeasurementPoint>(*p);
    disabled->enabled = false;
    const auto data = test::dataOf({p, disabled});
    // Day, month, year, hour and the month once more, SIG1..SIG10, the lab
    // values of an enabled point, grade and line.
    const std::vector<float> row = {7,   3,   2005, 9, 3,    1.5,  2.5, 3.5, 4.5, 5.5, 6.5, 7.5,
                                    8.5, 9.5, 10.5, 0, 0,    0,    0,   0,   0,   0,   0,   0,
                                    0,   0,   0,    0, 1.25, 12.5, 3,   4,   0,   0,   2,   1};
    std::vector<float> expected = row;
    expected.insert(expected.end(), row.begin(), row.end());
    std::fill(expected.begin() + 64, expected.begin() + 68, 0.0f);
    EXPECT_EQ(data->GetDataMatrix(), expected);
    p->SIG2 = 1e300;
    EXPECT_EQ(errorOf([&] { data->GetDataMatrix(); }), ErrorNumber::Overflow);
}

} // namespace
