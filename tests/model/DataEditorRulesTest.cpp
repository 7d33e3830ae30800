#include "LocaleScope.h"
#include "SampleData.h"

#include <orvo/model/LabValueText.h>
#include <orvo/model/SavedSnapshot.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

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
        {point, "1e3", 1000},
        {point, "1.5E+300", 1.5e300},
        {comma, "1,5", 1.5},
        {comma, "1.234,5", 1234.5},
        // Another locale's separator, or one that groups wrongly.
        {point, "1,5", std::nullopt},
        {comma, "12.5", std::nullopt},
        {point, "", std::nullopt},
        {point, "abc", std::nullopt},
        {point, "nan", std::nullopt},
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

// Lab values, sample counts and enabled flags through the data editor.
TEST(SavedSnapshot, DiffersOnlyByWhatTheFileWouldRecord) {
    const auto data = test::dataOf({test::samplePoint(1, 1, 2.5)});
    MeasurementPoint& point = *data->getMeasurementPoints(0);
    SavedSnapshot snapshot;
    snapshot.take(*data);
    point.modified = true;
    point.OldLabCons = 1;
    EXPECT_FALSE(snapshot.differsFrom(*data)) << "flags the file does not keep";
    point.enabled = false;
    EXPECT_TRUE(snapshot.differsFrom(*data));
    point.enabled = true;
    point.MeasurementDate = 1e9;
    EXPECT_TRUE(snapshot.differsFrom(*data)) << "a date the file cannot hold";
}

} // namespace
