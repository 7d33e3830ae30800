#include <orvo/model/CalibrationError.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/OleDate.h>

#include <QDate>
#include <QTime>

#include <cmath>
#include <cstdint>

namespace orvo {

namespace {

constexpr int64_t secondsPerDay = 86400;
// Days from 1899-12-30 to 1970-01-01, the epoch of the civil-date formulas.
constexpr int64_t unixEpochDay = 25569;

int64_t floorDivide(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date; any year.
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = floorDivide(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

DateParts civilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = floorDivide(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    DateParts parts;
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
    return parts;
}

int64_t serialDay(int64_t year, int64_t month, int64_t day) {
    return daysFromCivil(year, month, day) + unixEpochDay;
}

const int64_t firstValidDay = serialDay(100, 1, 1);
const int64_t firstInvalidDay = serialDay(10000, 1, 1);

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

double OleDate::fromParts(int year, int month, int day, int hour, int minute, int second) {
    int64_t fullYear = year;
    if (year >= 0 && year <= 29)
        fullYear += 2000;
    else if (year >= 30 && year <= 99)
        fullYear += 1900;
    const int64_t monthsFromJanuary = int64_t{month} - 1;
    fullYear += floorDivide(monthsFromJanuary, 12);
    const int64_t normalMonth = monthsFromJanuary - floorDivide(monthsFromJanuary, 12) * 12 + 1;
    // Far outside the valid years the day arithmetic below could overflow;
    // an int day offset moves less than six million years.
    if (fullYear < -10'000'000 || fullYear > 10'000'000)
        throw CalibrationError::overflow(QStringLiteral("year %1 is out of range").arg(year));
    const int64_t seconds = (serialDay(fullYear, normalMonth, 1) + day - 1) * secondsPerDay +
                            int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
    const int64_t wholeDays = floorDivide(seconds, secondsPerDay);
    if (wholeDays < firstValidDay || wholeDays >= firstInvalidDay)
        throw CalibrationError::overflow(QStringLiteral("%1-%2-%3 %4:%5:%6 is out of range")
                                             .arg(year)
                                             .arg(month)
                                             .arg(day)
                                             .arg(hour)
                                             .arg(minute)
                                             .arg(second));
    return static_cast<double>(wholeDays) +
           static_cast<double>(seconds - wholeDays * secondsPerDay) / secondsPerDay;
}

DateParts OleDate::split(double date) {
    if (!(date >= static_cast<double>(firstValidDay) &&
          date < static_cast<double>(firstInvalidDay)))
        throw CalibrationError::overflow(
            QStringLiteral("date value %1 is out of range").arg(generalText(date, QLocale::c())));
    int64_t wholeDays = static_cast<int64_t>(std::floor(date));
    int64_t seconds = std::llround((date - std::floor(date)) * secondsPerDay);
    if (seconds == secondsPerDay) {
        ++wholeDays;
        seconds = 0;
    }
    DateParts parts = civilFromDays(wholeDays - unixEpochDay);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

QString OleDate::isoText(double date) {
    const DateParts parts = split(date);
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(parts.year)
        .arg(twoDigits(parts.month), twoDigits(parts.day), twoDigits(parts.hour),
             twoDigits(parts.minute), twoDigits(parts.second));
}

QString OleDate::dateText(double date, const QLocale& locale) {
    const DateParts parts = split(date);
    return locale.toString(QDate(parts.year, parts.month, parts.day), QLocale::ShortFormat);
}

QString OleDate::timeText(double date, const QLocale& locale) {
    const DateParts parts = split(date);
    // The long time format is the one with seconds; its zone ("t") means
    // nothing for a local sample time.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime(parts.hour, parts.minute, parts.second), format.simplified());
}

} // namespace orvo
