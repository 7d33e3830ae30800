#pragma once

#include <QString>

namespace orvo::workbench {

// The bundled demo data set as a working file the user may change: copied
// into directory on first use, the existing copy (with the user's edits)
// afterwards. Returns its path; throws CalibrationError when it cannot be
// written.
QString demoDataCopy(const QString& directory);

} // namespace orvo::workbench
