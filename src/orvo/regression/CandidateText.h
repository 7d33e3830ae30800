#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/RegressionBlocks.h>

#include <QLocale>
#include <QString>

#include <optional>

namespace orvo {

// The list text of one result row, e.g.
// "1.5 * DLed  - 0.25 * SLed  + 12.5 / correlation : 0.95"; none for a row
// that is empty or names a signal outside 1..10.
ORVO_CORE_EXPORT std::optional<QString> candidateText(const CalcResults& results, int row,
                                                      const QString& correlationWord,
                                                      const QLocale& locale);

// Signal number held in a slot cell, or 0 unless it is exactly one of 1..10.
ORVO_CORE_EXPORT int slotSignal(float cell);

} // namespace orvo
