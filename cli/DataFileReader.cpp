#include "DataFileReader.h"

#include "CommandParser.h"
#include "DateOrderQuestion.h"
#include "ExitCode.h"

#include <orvo/model/MeasurementData.h>

#include <QTextStream>

#include <cstdio>

namespace orvo::cli {

DataFileRead readDataFile(const CommandParser& command, const QString& file,
                          MeasurementData& data) {
    DateOrderQuestion question;
    if (!question.takeOption(command.parser()))
        return {command.usageError(QStringLiteral("--day-first takes yes or no")), {}};
    try {
        data.ReadFile(file,
                      [&question](const QString& text) { return question.askDayFirst(text); });
    } catch (const CalibrationError& e) {
        return {{}, e};
    } catch (const DateOrderUndecided& e) {
        return {command.usageError(QString::fromStdString(e.what())), {}};
    }
    return {};
}

int reportFileError(const QString& command, const QString& file, const CalibrationError& error) {
    QTextStream err(stderr);
    err << "orvo-cal " << command << ": " << file;
    if (error.fileLine() > 0)
        err << ", line " << error.fileLine();
    err << ": error " << static_cast<int>(error.number()) << ": " << error.description() << "\n";
    return Failure;
}

} // namespace orvo::cli
