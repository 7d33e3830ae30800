#include "WorkbenchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace orvo::workbench {

std::variant<WorkbenchOptions, WorkbenchOptions::Usage>
WorkbenchOptions::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The calibration workbench with a simulated device. Without a file it "
                       "opens a copy of the bundled demo data."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Language of the texts: en or de (default: the system's)."),
        QStringLiteral("en|de"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Drive a calibration on the data, save a screenshot of each view into "
                       "the directory and quit."),
        QStringLiteral("directory"));
    const QCommandLineOption quitAfterPaint(
        QStringLiteral("quit-after-first-paint"),
        QStringLiteral("Quit once the window has been painted (start-up timing)."));
    parser.addOptions({language, screenshots, quitAfterPaint});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Calibration data file (.cal) to open."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments))
        return Usage{parser.errorText() + QLatin1Char('\n') + parser.helpText(), true};
    if (parser.isSet(help))
        return Usage{parser.helpText(), false};
    if (parser.isSet(version))
        return Usage{QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                     false};
    WorkbenchOptions options;
    if (parser.isSet(language)) {
        options.language = TranslationTable::languageNamed(parser.value(language));
        if (!options.language)
            return Usage{QStringLiteral("Unknown language \"%1\": use en or de.\n")
                             .arg(parser.value(language)),
                         true};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Usage{QStringLiteral("Give at most one data file.\n"), true};
    if (!files.isEmpty())
        options.dataFile = files.first();
    options.screenshotDirectory = parser.value(screenshots);
    options.quitAfterFirstPaint = parser.isSet(quitAfterPaint);
    return options;
}

} // namespace orvo::workbench
