#include "CanonicalCommand.h"
#include "DumpCommand.h"
#include "ExitCode.h"
#include "FitCommand.h"
#include "FormulaCommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments);
};

// Each command parses its own arguments (the first one is its name).
constexpr Command commands[] = {
    {"dump", orvo::cli::runDump},
    {"canonical", orvo::cli::runCanonical},
    {"fit", orvo::cli::runFit},
    {"formula", orvo::cli::runFormula},
};

QString usage() {
    QStringList names;
    for (const Command& command : commands)
        names << QLatin1String(command.name);
    return QStringLiteral("usage: orvo-cal %1 ...\n"
                          "       orvo-cal COMMAND --help\n")
        .arg(names.join(QLatin1Char('|')));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvo-cal"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty()) {
        for (const Command& command : commands)
            if (arguments.first() == QLatin1String(command.name))
                return command.run(arguments);
        if (arguments.first() == QLatin1String("--help") ||
            arguments.first() == QLatin1String("-h")) {
            QTextStream(stdout) << usage();
            return orvo::cli::Success;
        }
    }
    QTextStream(stderr) << usage();
    return orvo::cli::WrongUsage;
}
