#include <orvo/model/CalibrationError.h>
#include <orvo/model/FieldText.h>
#include <orvo/model/GeneralTextWriter.h>
#include <orvo/model/LeadingNumber.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/OleDate.h>

#include <QStringList>

#include <array>

namespace orvo {

using fieldtext::partAt;
using fieldtext::partsOf;
using fieldtext::trimmedBlanks;
using fieldtext::withoutTrailingBlanks;

namespace {

using Field = double MeasurementPoint::*;

// Columns 1..31 of a data line, in file order.
constexpr std::array<Field, 31> valueColumns = {
    &MeasurementPoint::SIG1,         &MeasurementPoint::SIG2,     &MeasurementPoint::SIG3,
    &MeasurementPoint::SIG4,         &MeasurementPoint::SIG5,     &MeasurementPoint::SIG6,
    &MeasurementPoint::SIG7,         &MeasurementPoint::SIG8,     &MeasurementPoint::SIG9,
    &MeasurementPoint::SIG10,        &MeasurementPoint::SIG11,    &MeasurementPoint::SIG12,
    &MeasurementPoint::SIG13,        &MeasurementPoint::SIG14,    &MeasurementPoint::pH,
    &MeasurementPoint::Conductivity, &MeasurementPoint::Charge,   &MeasurementPoint::Floc,
    &MeasurementPoint::temp,         &MeasurementPoint::Errorper, &MeasurementPoint::SIG15,
    &MeasurementPoint::ConsMeas,     &MeasurementPoint::AshMeas,  &MeasurementPoint::LabCons,
    &MeasurementPoint::LabAsh,       &MeasurementPoint::LabRes1,  &MeasurementPoint::LabRes2,
    &MeasurementPoint::LabRes3,      &MeasurementPoint::LabRes4,  &MeasurementPoint::Grade,
    &MeasurementPoint::line,
};

constexpr int enabledColumn = 32;

// Where a date layout keeps year, month and day among the parts of the text.
struct DateOrder {
    int year;
    int month;
    int day;
};

} // namespace

void MeasurementPoint::ParseString(QString& str) {
    const int16_t layout = toInt16Strict(str.right(2));
    str.chop(1);
    const QList<QStringView> fields = QStringView(str).split(QLatin1Char('\t'));
    const qsizetype highest = fields.size() - 1;
    if (highest <= 3)
        return;

    QString dateText = fields[0].toString();
    MeasurementDate = parseDateText(dateText, layout);
    for (qsizetype column = 1; column <= static_cast<qsizetype>(valueColumns.size()); ++column) {
        if (column > highest)
            throw CalibrationError::outOfRange(
                QStringLiteral("the line has %1 fields, field %2 is missing")
                    .arg(fields.size())
                    .arg(column + 1));
        const QStringView field = fields[column];
        // Decimal commas count as points in every field but the last one.
        const bool commaIsPoint = column < highest && field.contains(QLatin1Char(','));
        this->*valueColumns[static_cast<std::size_t>(column - 1)] =
            commaIsPoint
                ? leadingNumber(field.toString().replace(QLatin1Char(','), QLatin1Char('.')))
                : leadingNumber(field);
    }
    modified = false;
    if (highest > enabledColumn - 1) {
        const QString enabledText =
            withoutTrailingBlanks(fields[enabledColumn].toString()).toLower();
        enabled = enabledText == QLatin1String("true");
    } else {
        enabled = true;
    }
    OldLabCons = LabCons;
    OldLabAsh = LabAsh;
    OldLabRes1 = LabRes1;
    OldLabRes2 = LabRes2;
    OldLabRes3 = LabRes3;
    OldLabRes4 = LabRes4;
}

QString MeasurementPoint::headerLine() {
    return QStringLiteral("Date\tSIG1\tSIG2\tSIG3\tSIG4\tSIG5\tSIG6\tSIG7\tSIG8\tSIG9\tSIG10\t"
                          "SIG11\tSIG12\tSIG13\tSIG14\tpH\tConduc\tCharge\tFloc\ttemp\tErr%\t"
                          "SIG15\tConsMeas\tAshMeas\tLabCons\tLabAsh\tLabRes1\tLabRes2\tLabRes3\t"
                          "LabRes4\tGrade\tLine\tEnabled");
}

QString MeasurementPoint::toLine() const {
    const DateParts date = OleDate::split(MeasurementDate);
    QString line;
    line.reserve(400);
    line += QString::number(date.year) + QLatin1Char('-') +
            twoDigits(static_cast<int16_t>(date.month)) + QLatin1Char('-') +
            twoDigits(static_cast<int16_t>(date.day)) + QLatin1Char(' ') +
            twoDigits(static_cast<int16_t>(date.hour)) + QLatin1Char(':') +
            twoDigits(static_cast<int16_t>(date.minute)) + QLatin1Char(':') +
            twoDigits(static_cast<int16_t>(date.second)) + QLatin1Char('\t');
    // Written as in the C locale, so always with a decimal point.
    std::array<char, valueColumns.size() * (GeneralTextCapacity + 1)> values{};
    char* end = values.data();
    for (Field field : valueColumns) {
        end += writeGeneralText(this->*field, end);
        *end++ = '\t';
    }
    line += QLatin1String(values.data(), end);
    line += enabled ? QLatin1String("True") : QLatin1String("False");
    return line;
}

double MeasurementPoint::parseDateText(QString& text, int16_t layout) {
    text = trimmedBlanks(text);
    QString work = text;
    DateOrder order{};
    switch (layout) {
    case 1:
        work.replace(QLatin1Char('-'), QLatin1Char('.'));
        order = {0, 1, 2};
        break;
    case 2:
        order = {2, 1, 0};
        break;
    case 3:
        order = {2, 0, 1};
        break;
    case 4:
        work += QLatin1String(":00");
        work.replace(QLatin1Char('/'), QLatin1Char('.'))
            .replace(QLatin1Char('-'), QLatin1Char('.'));
        order = {2, 0, 1};
        break;
    case 5:
        work.replace(QLatin1Char('/'), QLatin1Char('.'))
            .replace(QLatin1Char('-'), QLatin1Char('.'));
        order = {2, 0, 1};
        break;
    case 6:
        work.replace(QLatin1Char('-'), QLatin1Char('.'));
        order = {2, 1, 0};
        break;
    case 7:
        work.replace(QLatin1Char('-'), QLatin1Char('.'));
        order = {2, 0, 1};
        break;
    default:
        throw CalibrationError::outOfRange(
            QStringLiteral("unknown date layout %1 for \"%2\"").arg(layout).arg(text));
    }
    work.replace(QLatin1Char(':'), QLatin1Char('.')).replace(QLatin1Char(' '), QLatin1Char('.'));
    QStringList parts = partsOf(work, QLatin1Char('.'));
    const QString what = QStringLiteral("date \"%1\"").arg(text);

    const QLocale locale;
    if (layout == 5) {
        const bool afternoon = partAt(parts, 6, what) == QLatin1String("PM");
        const bool twelve = partAt(parts, 3, what) == QLatin1String("12");
        if (afternoon && !twelve)
            parts[3] = generalText(toDoubleStrict(parts[3], locale) + 12, locale);
        else if (!afternoon && twelve)
            parts[3] = QStringLiteral("00");
    }
    const int year = toInt16Strict(partAt(parts, order.year, what), locale);
    const int month = toInt16Strict(partAt(parts, order.month, what), locale);
    const int day = toInt16Strict(partAt(parts, order.day, what), locale);
    const int hour = toInt16Strict(partAt(parts, 3, what), locale);
    const int minute = toInt16Strict(partAt(parts, 4, what), locale);
    const int second = toInt16Strict(partAt(parts, 5, what), locale);
    return OleDate::fromParts(year, month, day, hour, minute, second);
}

QString MeasurementPoint::twoDigits(int16_t n) {
    return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

} // namespace orvo
