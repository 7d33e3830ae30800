#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/OleDate.h>
#include <orvo/regression/FollowUpReadout.h>

#include <cmath>

namespace orvo {

namespace {

QString percentageText(float lab, float estimate, const QLocale& locale) {
    if (estimate == 0)
        return QStringLiteral("-");
    const float scaled = (lab - estimate) * 100.0f;
    return fixedText(scaled / estimate, 2, locale) + QStringLiteral(" %");
}

} // namespace

FollowUpReadout FollowUpReadout::of(int sampleIndex, const MeasurementPoint& sample, float lab,
                                    float estimate, const QLocale& locale) {
    FollowUpReadout readout;
    readout.number = QString::number(sampleIndex + 1);
    readout.date = dateTimeText(sample.MeasurementDate, locale);
    readout.labValue = generalText(lab, locale);
    readout.estimate = fixedText(estimate, 4, locale);
    readout.difference = fixedText(lab - estimate, 4, locale);
    readout.percentage = percentageText(lab, estimate, locale);
    return readout;
}

QString FollowUpReadout::dateTimeText(double date, const QLocale& locale) {
    const QString day = OleDate::dateText(date, locale);
    const DateParts parts = OleDate::split(date);
    if (parts.hour == 0 && parts.minute == 0 && parts.second == 0)
        return day;
    return day + QLatin1Char(' ') + OleDate::timeText(date, locale);
}

} // namespace orvo
