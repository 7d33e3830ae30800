#pragma once

#include <QStringList>

namespace orvo::cli {

// orvo-cal canonical FILE OUT [--day-first yes|no]: FILE written back the
// way the data editor saves it.
int runCanonical(const QStringList& arguments);

} // namespace orvo::cli
