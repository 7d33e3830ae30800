#pragma once

// When the diagnostics flag a usable point. Conventional screening limits:
// they mark points worth a look, not points to drop.
namespace orvo::diagnostics {

// Outlier: |externally studentized residual| > 3.
inline constexpr double kOutlierStudentizedResidual = 3.0;
// High leverage: h_ii > 3 p / n (p = fitted parameters, constant included).
inline constexpr double kHighLeverageFactor = 3.0;
// Influential: Cook's distance > 4 / n.
inline constexpr double kInfluentialCookFactor = 4.0;

} // namespace orvo::diagnostics
