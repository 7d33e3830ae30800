#pragma once

#include "TranslationTable.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace orvo::workbench {

// What the command line asks of the workbench.
struct WorkbenchOptions {
    QString dataFile;
    std::optional<Language> language;
    // Drive a calibration, save a screenshot of each view here and quit.
    QString screenshotDirectory;
    // Quit as soon as the window has been painted once (start-up timing).
    bool quitAfterFirstPaint = false;

    struct Usage {
        QString text;
        bool isError = false;
    };

    // The options, or the text to print (help, version, or a usage error).
    static std::variant<WorkbenchOptions, Usage> parse(const QStringList& arguments);
};

} // namespace orvo::workbench
