#include "ReportCommand.h"

#include "CommandParser.h"
#include "ExitCode.h"
#include "FitRun.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/report/CalibrationReport.h>

#include <QTextStream>

#include <cstdio>

namespace orvo::cli {

namespace {

// The list position of --candidate, or none when it names no listed entry.
std::optional<int> candidatePosition(const CommandParser& command, int listed) {
    if (!command.parser().isSet("candidate"))
        return 0;
    bool isNumber = false;
    const int number = command.parser().value("candidate").toInt(&isNumber);
    if (!isNumber || number < 1 || number > listed)
        return std::nullopt;
    return number - 1;
}

} // namespace

int runReport(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("report"),
        QStringLiteral("Fits calibration formulas as the workbench's Calculate does and writes "
                       "the calibration report of one candidate as a PDF."),
        {{QStringLiteral("FILE"), QStringLiteral("The calibration data file.")}});
    FitRun::addOptions(command);
    command.addOption({QStringLiteral("candidate"),
                       QStringLiteral("Candidate to report, 1 = best (default 1)."),
                       QStringLiteral("R")});
    command.addOption({QStringLiteral("output"), QStringLiteral("The PDF file to write."),
                       QStringLiteral("REPORT")});
    if (const auto done = command.parse(arguments))
        return *done;
    if (!command.parser().isSet("output"))
        return command.usageError(QStringLiteral("--output is required"));
    FitRun run;
    if (const auto done = run.run(command))
        return *done;
    if (run.message()) {
        QTextStream(stderr) << "orvo-cal report: " << run.messageText() << "\n";
        return Failure;
    }
    const RegressionCalculation& calculation = run.calculation();
    const auto position = candidatePosition(command, calculation.candidateCount());
    if (!position)
        return command.usageError(QStringLiteral("--candidate takes a number from 1 to %1")
                                      .arg(calculation.candidateCount()));
    try {
        CalibrationReport report(
            CalibrationRecord::of(run.data(), command.positional(0), calculation, *position));
        const int pages = report.writePdf(command.parser().value("output"));
        QTextStream(stdout) << "Wrote " << command.parser().value("output") << " (" << pages
                            << (pages == 1 ? " page)\n" : " pages)\n");
    } catch (const CalibrationError& error) {
        QTextStream(stderr) << "orvo-cal report: error " << static_cast<int>(error.number()) << ": "
                            << error.description() << "\n";
        return Failure;
    }
    return Success;
}

} // namespace orvo::cli
