#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

namespace orvo {

class MeasurementPoint;

// The readout texts of the sample under the follow-up chart's cursor.
struct ORVO_CORE_EXPORT FollowUpReadout {
    QString number;
    QString date;
    QString labValue;
    QString estimate;
    QString difference;
    QString percentage;

    // sampleIndex is the sample's 0-based position in the set; lab and
    // estimate are the values as the chart holds them. The percentage is
    // of the estimate, "-" when the estimate is 0.
    static FollowUpReadout of(int sampleIndex, const MeasurementPoint& sample, float lab,
                              float estimate, const QLocale& locale = QLocale());
    // The date, followed by the time of day unless that is midnight.
    static QString dateTimeText(double date, const QLocale& locale);
};

} // namespace orvo
