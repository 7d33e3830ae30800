#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/OleDate.h>
#include <orvo/regression/PointDetails.h>

namespace orvo {

namespace {

PointDetailRow signalRow(int number) {
    return {QStringLiteral("SIG%1").arg(number), CalibrationFormula::signalName(number), {}, {}};
}

std::vector<PointDetailRow> buildRows() {
    const auto translated = [](const char* rowKey, const char* translationKey,
                               const char* suffix = "") {
        return PointDetailRow{QString::fromLatin1(rowKey), QString::fromLatin1(rowKey),
                              QString::fromLatin1(translationKey), QString::fromLatin1(suffix)};
    };
    std::vector<PointDetailRow> rows;
    rows.push_back({QStringLiteral("Num."), QStringLiteral("Num."), {}, {}});
    rows.push_back(translated("Date", key::date));
    rows.push_back(translated("Time", key::time));
    for (int number = 1; number <= 10; ++number)
        rows.push_back(signalRow(number));
    rows.push_back(translated("Floc", key::floc));
    rows.push_back(translated("Temp", key::temp));
    rows.push_back(translated("Lab.Cons.", key::labCons));
    rows.push_back(translated("Lab.Ash", key::labAsh));
    rows.push_back(translated("Lab.Res1", key::labRes, "1"));
    rows.push_back(translated("Lab.Res2", key::labRes, "2"));
    rows.push_back(translated("Grade", key::grade));
    rows.push_back(translated("Line", key::line));
    return rows;
}

} // namespace

const std::vector<PointDetailRow>& pointDetailRows() {
    static const std::vector<PointDetailRow> rows = buildRows();
    return rows;
}

QStringList pointDetailValues(const MeasurementPoint& point, int index, const QLocale& locale) {
    const auto decimals4 = [&](double value) {
        return fixedText(value, 4, locale);
    };
    const auto plain = [&](double value) {
        return generalText(value, locale);
    };
    QStringList values;
    values << QString::number(index + 1) << OleDate::dateText(point.MeasurementDate, locale)
           << OleDate::timeText(point.MeasurementDate, locale);
    for (int number = 1; number <= 5; ++number)
        values << decimals4(point.signal(number));
    for (int number = 6; number <= 10; ++number)
        values << plain(point.signal(number));
    values << decimals4(point.Floc) << decimals4(point.temp) << plain(point.LabCons)
           << plain(point.LabAsh) << plain(point.LabRes1) << plain(point.LabRes2)
           << plain(point.Grade) << plain(point.line);
    return values;
}

} // namespace orvo
