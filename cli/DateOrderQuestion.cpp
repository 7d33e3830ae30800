#include "DateOrderQuestion.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace orvo::cli {

namespace {
const QString optionName = QStringLiteral("day-first");
} // namespace

QCommandLineOption DateOrderQuestion::option() {
    return QCommandLineOption(
        optionName,
        QStringLiteral("Read dotted or dashed dates day first (yes) or month first (no) when "
                       "the file itself does not tell."),
        QStringLiteral("yes|no"));
}

bool DateOrderQuestion::takeOption(const QCommandLineParser& parser) {
    if (!parser.isSet(optionName))
        return true;
    const QString value = parser.value(optionName);
    if (value == QLatin1String("yes"))
        m_dayFirst = true;
    else if (value == QLatin1String("no"))
        m_dayFirst = false;
    else
        return false;
    return true;
}

bool DateOrderQuestion::askDayFirst(const QString& question) const {
    if (m_dayFirst)
        return *m_dayFirst;
    if (isatty(fileno(stdin)))
        return askOnTerminal(question);
    throw DateOrderUndecided(
        QStringLiteral("the dates can be read day first or month first and no one can be asked "
                       "(stdin is not a terminal): give --day-first yes or --day-first no")
            .toStdString());
}

bool DateOrderQuestion::askOnTerminal(const QString& question) {
    QTextStream err(stderr);
    QTextStream in(stdin);
    for (;;) {
        err << question << " [yes/no] " << Qt::flush;
        QString answer;
        if (!in.readLineInto(&answer))
            throw DateOrderUndecided("no answer to the day-or-month question: give --day-first");
        answer = answer.trimmed().toLower();
        if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
            return true;
        if (answer == QLatin1String("n") || answer == QLatin1String("no"))
            return false;
    }
}

} // namespace orvo::cli
