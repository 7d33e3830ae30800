#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

namespace orvo {

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The day-count date of the data file and the host: days since
// 30 December 1899, the fraction being the time of day. Valid for the
// years 100 to 9999.
//
// Below 0 (before 30 December 1899) the count is taken as plain linear
// time: the whole days are floor(value) and the rest is the time of day.
// The classic form, in which the fraction of a negative value counts forward
// from its whole day, is not reproduced; fromParts and split agree with each
// other, so such dates still round-trip.
class ORVO_CORE_EXPORT OleDate {
public:
    // Builds a date the way a serial-date function does: months and days
    // roll over (month 13 is January of the next year, month 0 December of
    // the previous one, day 0 the last day of the previous month, negative
    // values too) and so do hours, minutes and seconds. Years 0..29 mean
    // 2000..2029, 30..99 mean 1930..1999. Overflow error outside the
    // years 100..9999.
    static double fromParts(int year, int month, int day, int hour, int minute, int second);
    // The calendar parts, rounded to the nearest second. Overflow error for
    // a value outside the years 100..9999 or not a number.
    static DateParts split(double date);
    // "yyyy-mm-dd hh:mm:ss" with the year unpadded.
    static QString isoText(double date);
    // The locale's short date.
    static QString dateText(double date, const QLocale& locale);
    // The locale's time of day with seconds, without a time zone.
    static QString timeText(double date, const QLocale& locale);
};

} // namespace orvo
