#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/PointInfluence.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvo {

class MeasurementPoint;

// The texts that show the diagnostics, the same in the workbench, the
// command-line tool and the report. They are fixed English: the host's
// translation table has no keys for them.
namespace diagnosticsText {

// Four significant digits without grouping; "n/a" for a value that has no
// finite definition.
ORVO_CORE_EXPORT QString number(std::optional<double> value, const QLocale& locale = QLocale());

// Captions and cells of the diagnostics table, one row per candidate.
ORVO_CORE_EXPORT QStringList candidateCaptions();
ORVO_CORE_EXPORT QStringList candidateCells(const CandidateDiagnostics& diagnostics,
                                            const QLocale& locale = QLocale());
// The candidate entry's tooltip: RMSECV, predicted R², adjusted R², Cp and
// the largest VIF, one per line.
ORVO_CORE_EXPORT QString candidateSummary(const CandidateDiagnostics& diagnostics,
                                          const QLocale& locale = QLocale());

// The flags a point raised, as words ("outlier, high leverage"); empty when
// none.
ORVO_CORE_EXPORT QString flagWords(const PointInfluence& influence);

// A chart marker's tooltip: sample number, date, lab value, estimate,
// residual and, for a point of the fit, leverage, studentized residual,
// Cook's distance and its flags. index is the point's position in the set.
ORVO_CORE_EXPORT QString pointSummary(const MeasurementPoint& point, int index, double lab,
                                      double estimate, const std::optional<PointInfluence>& fit,
                                      const QLocale& locale = QLocale());

} // namespace diagnosticsText

} // namespace orvo
