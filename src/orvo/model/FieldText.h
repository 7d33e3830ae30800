#pragma once

#include <orvo/model/CalibrationError.h>

#include <QString>
#include <QStringList>

namespace orvo::fieldtext {

// Blanks only: in the data file TABs separate fields and are never trimmed.
inline QString trimmedBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

inline QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

// An empty text has no parts at all rather than one empty part, so that
// asking for its first part is an out-of-range error.
inline QStringList partsOf(const QString& text, QChar separator) {
    return text.isEmpty() ? QStringList() : text.split(separator);
}

// Part index of parts; out-of-range error naming what when it is missing.
inline const QString& partAt(const QStringList& parts, qsizetype index, const QString& what) {
    if (index >= parts.size())
        throw CalibrationError::outOfRange(
            QStringLiteral("%1 has no part %2").arg(what).arg(index + 1));
    return parts[index];
}

// Splits at every CR LF, like QString::split(u"\r\n") but faster on long
// texts; a CR or LF alone stays part of its line.
inline QStringList linesOf(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype cr = text.indexOf(QLatin1Char('\r'));
    while (cr >= 0) {
        if (cr + 1 < text.size() && text[cr + 1] == QLatin1Char('\n')) {
            lines << text.mid(start, cr - start);
            start = cr + 2;
        }
        cr = text.indexOf(QLatin1Char('\r'), cr + 1);
    }
    lines << text.mid(start);
    return lines;
}

} // namespace orvo::fieldtext
