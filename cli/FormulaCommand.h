#pragma once

#include <QStringList>

namespace orvo::cli {

// orvo-cal formula FILE.par: the formula text and whether the file is valid.
int runFormula(const QStringList& arguments);

} // namespace orvo::cli
