#pragma once

#include <QStringList>

namespace orvo::cli {

// orvo-cal fit FILE --quantity Q --variables K --grades G [--first F]
// [--last L] [--json]: the workbench's full run over a data file.
int runFit(const QStringList& arguments);

} // namespace orvo::cli
