#include "LocaleScope.h"
#include "SampleData.h"

#include <orvo/model/LabValueText.h>
#include <orvo/model/SavedSnapshot.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <tuple>

namespace {

using namespace orvo;

TEST(LabValueText, ReadsTheLocalesNumbersAndRefusesWhatItsTextWouldNotGiveBack) {
    const QLocale point = test::pointLocale();
    const QLocale comma = test::commaLocale();
    const struct {
        const QLocale& locale;
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {point, "1.5", 1.5},
        {point, "-1,234.5", -1234.5},
        {point, "+2", 2},
        {point, "1e3", 1000},
        {point, "1.5E+300", 1.5e300},
        {comma, "1,5", 1.5},
        {comma, "1.234,5", 1234.5},
        {comma, " 12,25 ", 12.25},
        // Another locale's separator, or one that groups wrongly.
        {point, "1,5", std::nullopt},
        {comma, "12.5", std::nullopt},
        {comma, "1.5", std::nullopt},
        {point, "", std::nullopt},
        {point, "abc", std::nullopt},
        {point, "12abc", std::nullopt},
        {point, "nan", std::nullopt},
        {point, "inf", std::nullopt},
        {point, "1e999", std::nullopt},
        // More digits than the 15 that its text keeps.
        {point, "0.30000000000000004", std::nullopt},
        {point, "1234567890123456", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labValueFromText(QString::fromLatin1(c.text), c.locale), c.value)
            << c.locale.name().toStdString() << " " << c.text;
    EXPECT_FALSE(std::signbit(*labValueFromText(QStringLiteral("-0"), point)));
}

TEST(SavedSnapshot, TellsChangesThatTheFileWouldRecordFromThoseItWouldNot) {
    EXPECT_FALSE(SavedSnapshot().differsFrom(MeasurementData())) << "nothing taken: no samples";
    using Change = std::function<void(MeasurementData&, MeasurementPoint&)>;
    const std::tuple<const char*, Change, bool> cases[] = {
        {"lab value", [](auto&, auto& p) { p.LabCons = 3; }, true},
        {"enabled flag", [](auto&, auto& p) { p.enabled = false; }, true},
        {"fewer samples", [](auto& data, auto&) { data.setPointCountTo0(); }, true},
        {"more samples", [](auto& data, auto&) { data.AddNewData({test::samplePoint(9, 1, 0)}); },
         true},
        {"a date the file cannot hold", [](auto&, auto& p) { p.MeasurementDate = 1e9; }, true},
        {"lab value typed back", [](auto&, auto& p) { p.LabCons = 3, p.LabCons = 2.5; }, false},
        {"flags the file does not keep",
         [](auto&, auto& p) { p.modified = true, p.OldLabCons = 1; }, false},
    };
    for (const auto& [what, change, differs] : cases) {
        const auto data = test::dataOf({test::samplePoint(1, 1, 2.5), test::samplePoint(2, 2, 0)});
        SavedSnapshot snapshot;
        snapshot.take(*data);
        change(*data, *data->getMeasurementPoints(0));
        EXPECT_EQ(snapshot.differsFrom(*data), differs) << what;
    }
}

} // namespace
