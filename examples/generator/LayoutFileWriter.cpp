#include "LayoutFileWriter.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <QDir>
#include <QFile>

namespace orvo::demo {

namespace {

QString padded(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString LayoutFileWriter::dateText(double date, int layout) {
    const DateParts p = OleDate::split(date);
    const QString time = padded(p.hour) + ':' + padded(p.minute) + ':' + padded(p.second);
    switch (layout) {
    case 2:
        return padded(p.day) + '.' + padded(p.month) + '.' + QString::number(p.year) + ' ' + time;
    case 3:
        return padded(p.month) + '.' + padded(p.day) + '.' + QString::number(p.year) + ' ' + time;
    case 4:
        return QStringLiteral("%1/%2/%3 %4:%5")
            .arg(p.month)
            .arg(p.day)
            .arg(p.year)
            .arg(p.hour)
            .arg(padded(p.minute));
    case 5:
        return QStringLiteral("%1/%2/%3 %4:%5:%6 %7")
            .arg(p.month)
            .arg(p.day)
            .arg(p.year)
            .arg(p.hour % 12 == 0 ? 12 : p.hour % 12)
            .arg(padded(p.minute), padded(p.second),
                 p.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    case 6:
        return padded(p.day) + '-' + padded(p.month) + '-' + QString::number(p.year) + ' ' + time;
    case 7:
        return padded(p.month) + '-' + padded(p.day) + '-' + QString::number(p.year) + ' ' + time;
    default:
        return OleDate::isoText(date);
    }
}

void LayoutFileWriter::write(const QString& fileName,
                             const std::vector<std::shared_ptr<MeasurementPoint>>& points,
                             int layout, bool withEnabledColumn) {
    QString text = MeasurementPoint::headerLine() + QStringLiteral("\r\n");
    for (const auto& point : points) {
        QString line = point->toLine();
        line.replace(0, line.indexOf(QLatin1Char('\t')), dateText(point->MeasurementDate, layout));
        if (!withEnabledColumn)
            line.truncate(line.lastIndexOf(QLatin1Char('\t')));
        text += line + QStringLiteral("\r\n");
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) < 0 || !file.flush())
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot write %1: %2")
                .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

} // namespace orvo::demo
