#include "CanonicalCommand.h"

#include "CommandParser.h"
#include "DataFileReader.h"
#include "DateOrderQuestion.h"
#include "ExitCode.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>

namespace orvo::cli {

int runCanonical(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("canonical"),
        QStringLiteral("Reads a calibration data file as the workbench does and writes it back "
                       "the way the workbench saves it. Nothing is written when FILE cannot be "
                       "read completely."),
        {{QStringLiteral("FILE"), QStringLiteral("The calibration data file to read.")},
         {QStringLiteral("OUT"), QStringLiteral("The file to write (replaced).")}});
    command.addOption(DateOrderQuestion::option());
    if (const auto done = command.parse(arguments))
        return *done;
    const QString input = command.positional(0);
    const QString output = command.positional(1);
    MeasurementData data;
    const DataFileRead read = readDataFile(command, input, data);
    if (read.usageExit)
        return *read.usageExit;
    if (read.error)
        return reportFileError(QStringLiteral("canonical"), input, *read.error);
    try {
        data.SaveFile(output);
    } catch (const CalibrationError& e) {
        return reportFileError(QStringLiteral("canonical"), output, e);
    }
    return Success;
}

} // namespace orvo::cli
