#include "FormulaCommand.h"

#include "CommandParser.h"
#include "ExitCode.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/CalibrationFormula.h>

#include <QTextStream>

#include <cstdio>

namespace orvo::cli {

int runFormula(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("formula"),
        QStringLiteral("Reads a formula parameter file and prints the formula text, then "
                       "\"valid\" or \"invalid\" (not a complete formula of a known measurement "
                       "and grade)."),
        {{QStringLiteral("FILE"), QStringLiteral("The formula parameter file (.par).")}});
    if (const auto done = command.parse(arguments))
        return *done;

    const QString file = command.positional(0);
    CalibrationFormula formula;
    bool valid = false;
    try {
        valid = formula.ReadFile(file);
    } catch (const CalibrationError& e) {
        QTextStream(stderr) << "orvo-cal formula: " << file << ": error "
                            << static_cast<int>(e.number()) << ": " << e.description() << "\n";
        return Failure;
    }
    QTextStream(stdout) << formula.GetFormulaString() << "\n"
                        << (valid ? "valid" : "invalid") << "\n";
    return valid ? Success : Failure;
}

} // namespace orvo::cli
