#pragma once

#include <orvo/model/CalibrationError.h>

#include <QString>

#include <optional>

namespace orvo {
class MeasurementData;
}

namespace orvo::cli {

class CommandParser;

// Reads a calibration data file for a command that offers --day-first.
struct DataFileRead {
    // Set when the command line was wrong: the command ends with this code.
    std::optional<int> usageExit;
    // Set when reading failed; the points read before the failure stay.
    std::optional<CalibrationError> error;
};

DataFileRead readDataFile(const CommandParser& command, const QString& file, MeasurementData& data);

// Prints "orvo-cal COMMAND: FILE[, line N]: error NUMBER: DESCRIPTION" on
// stderr and returns the failure exit code.
int reportFileError(const QString& command, const QString& file, const CalibrationError& error);

} // namespace orvo::cli
