#include "DemoData.h"
#include "FirstPaintQuitter.h"
#include "FormulaStore.h"
#include "MainWindow.h"
#include "ScreenshotTour.h"
#include "SimulatedDevice.h"
#include "TourPrompts.h"
#include "TranslationTable.h"
#include "WorkbenchHost.h"
#include "WorkbenchOptions.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/QtPrompts.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <stdexcept>

using namespace orvo;
using namespace orvo::workbench;

namespace {

constexpr int UsageError = 2;

// The tour must not touch the user's own data: it works in a directory of
// its own that disappears with it.
QString dataDirectory(const WorkbenchOptions& options, QTemporaryDir& tourDirectory) {
    if (!options.screenshotDirectory.isEmpty())
        return tourDirectory.path();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

int runTour(MainWindow& window, TourPrompts& prompts, const QString& directory) {
    if (!QDir().mkpath(directory)) {
        QTextStream(stderr) << "Cannot create " << directory << '\n';
        return 1;
    }
    try {
        const QStringList saved = ScreenshotTour(window, prompts, QDir(directory)).run();
        QTextStream out(stdout);
        out << "Screenshots of the workbench:\n";
        for (const QString& path : saved)
            out << "  " << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) << '\n';
        return 0;
    } catch (const std::exception& error) {
        QTextStream(stderr) << "The screenshot tour failed: " << error.what() << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvo-workbench"));
    QApplication::setOrganizationName(QStringLiteral("Orvo"));
    QApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));

    const auto parsed = WorkbenchOptions::parse(QApplication::arguments());
    if (const auto* usage = std::get_if<WorkbenchOptions::Usage>(&parsed)) {
        QTextStream(usage->isError ? stderr : stdout) << usage->text;
        return usage->isError ? UsageError : 0;
    }
    const auto& options = std::get<WorkbenchOptions>(parsed);
    if (!options.dataFile.isEmpty() && !QFileInfo(options.dataFile).isFile()) {
        QTextStream(stderr) << "No such data file: " << options.dataFile << '\n';
        return UsageError;
    }

    const bool touring = !options.screenshotDirectory.isEmpty();
    QtPrompts qtPrompts;
    TourPrompts tourPrompts;
    Prompts::install(touring ? static_cast<Prompts*>(&tourPrompts) : &qtPrompts);

    QTemporaryDir tourDirectory;
    const QString dataDir = dataDirectory(options, tourDirectory);
    const TranslationTable texts(
        options.language.value_or(TranslationTable::languageOf(QLocale::system())));
    FormulaStore formulas(QDir(dataDir).filePath(QStringLiteral("device-formulas.json")));
    try {
        formulas.load();
    } catch (const CalibrationError& error) {
        Prompts::instance().messageBox(error.description(), Prompts::Buttons::Ok,
                                       Prompts::Icon::Warning, QApplication::applicationName());
    }
    SimulatedDevice device(formulas);
    WorkbenchHost host(texts, device);

    QString dataFile = options.dataFile;
    if (dataFile.isEmpty()) {
        try {
            dataFile = demoDataCopy(dataDir);
        } catch (const CalibrationError& error) {
            QTextStream(stderr) << error.description() << '\n';
            return 1;
        }
    }

    MainWindow window(texts, host);
    window.openDataFile(dataFile);
    if (options.quitAfterFirstPaint)
        new FirstPaintQuitter(&window.calibration());
    window.show();
    const int result =
        touring ? runTour(window, tourPrompts, options.screenshotDirectory) : QApplication::exec();
    Prompts::install(nullptr);
    return result;
}
