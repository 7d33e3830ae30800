#pragma once

#include <QStringList>

namespace orvo::cli {

// orvo-cal dump FILE [--day-first yes|no]: the file's points as JSON.
int runDump(const QStringList& arguments);

} // namespace orvo::cli
