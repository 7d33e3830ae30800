#pragma once

#include <QStringList>

namespace orvo::cli {

// orvo-cal report FILE --quantity Q --variables K --grades G [--first F]
// [--last L] [--candidate R] --output REPORT.pdf: the full run, then the
// calibration report of candidate R (1 = the first listed) as a PDF.
int runReport(const QStringList& arguments);

} // namespace orvo::cli
