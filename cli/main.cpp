#include "CanonicalCommand.h"
#include "DumpCommand.h"
#include "ExitCode.h"
#include "FitCommand.h"
#include "FormulaCommand.h"
#include "ReportCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments);
    bool laysOutText = false; // needs fonts: a GUI application, no window
};

// Each command parses its own arguments (the first one is its name).
constexpr Command commands[] = {
    {"dump", orvo::cli::runDump},
    {"canonical", orvo::cli::runCanonical},
    {"fit", orvo::cli::runFit},
    {"formula", orvo::cli::runFormula},
    {"report", orvo::cli::runReport, true},
};

QString usage() {
    QStringList names;
    for (const Command& command : commands)
        names << QLatin1String(command.name);
    return QStringLiteral("usage: orvo-cal %1 ...\n"
                          "       orvo-cal COMMAND --help\n")
        .arg(names.join(QLatin1Char('|')));
}

const Command* commandNamed(int argc, char** argv) {
    for (const Command& command : commands)
        if (argc > 1 && qstrcmp(argv[1], command.name) == 0)
            return &command;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const Command* chosen = commandNamed(argc, argv);
    // The report lays out text and draws its chart off screen; a terminal
    // session has no display to offer.
    if (chosen && chosen->laysOutText && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        chosen && chosen->laysOutText ? std::make_unique<QGuiApplication>(argc, argv)
                                      : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvo-cal"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (chosen)
        return chosen->run(arguments);
    if (!arguments.isEmpty()) {
        if (arguments.first() == QLatin1String("--help") ||
            arguments.first() == QLatin1String("-h")) {
            QTextStream(stdout) << usage();
            return orvo::cli::Success;
        }
    }
    QTextStream(stderr) << usage();
    return orvo::cli::WrongUsage;
}
