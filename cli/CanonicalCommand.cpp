#include "CanonicalCommand.h"

#include "CommandParser.h"
#include "DateOrderPrompts.h"
#include "ExitCode.h"
#include "model/CalibrationError.h"
#include "model/MeasurementData.h"

#include <QTextStream>

#include <cstdio>

namespace orvo::cli {

namespace {

int reportError(const QString& file, const CalibrationError& error) {
    QTextStream err(stderr);
    err << "orvo-cal canonical: " << file;
    if (error.fileLine() > 0)
        err << ", line " << error.fileLine();
    err << ": error " << static_cast<int>(error.number()) << ": " << error.description() << "\n";
    return Failure;
}

} // namespace

int runCanonical(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("canonical"),
        QStringLiteral("Reads a calibration data file as the workbench does and writes it back "
                       "the way the workbench saves it. Nothing is written when FILE cannot be "
                       "read completely."),
        {{QStringLiteral("FILE"), QStringLiteral("The calibration data file to read.")},
         {QStringLiteral("OUT"), QStringLiteral("The file to write (replaced).")}});
    command.addOption(DateOrderPrompts::option());
    if (const auto done = command.parse(arguments))
        return *done;
    DateOrderPrompts prompts;
    if (!prompts.takeOption(command.parser()))
        return command.usageError(QStringLiteral("--day-first takes yes or no"));

    const QString input = command.positional(0);
    const QString output = command.positional(1);
    MeasurementData data;
    try {
        data.ReadFile(input);
    } catch (const CalibrationError& e) {
        return reportError(input, e);
    } catch (const DateOrderUndecided& e) {
        return command.usageError(QString::fromStdString(e.what()));
    }
    try {
        data.SaveFile(output);
    } catch (const CalibrationError& e) {
        return reportError(output, e);
    }
    return Success;
}

} // namespace orvo::cli
