#pragma once

#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/PointInfluence.h>

#include <QJsonArray>

#include <vector>

namespace orvo::cli {

// "diagnostics" of orvo-cal fit: one object per listed candidate; a value
// without a finite definition is null.
QJsonArray diagnosticsJson(const std::vector<CandidateDiagnostics>& candidates);
// "influence": one object per usable point of a candidate.
QJsonArray influenceJson(const std::vector<PointInfluence>& points);

} // namespace orvo::cli
