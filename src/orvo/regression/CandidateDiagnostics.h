#pragma once

#include <optional>

namespace orvo {

// Statistics of one candidate formula beyond the engine's own, from a fit in
// double over the run's usable points. A value is empty where it has no
// finite definition; nothing is ever NaN or infinite.
struct CandidateDiagnostics {
    int row = 0;         // result row
    int sampleCount = 0; // n, usable points
    // p: the constant plus the candidate's signals that are neither constant
    // nor dependent on its other signals over the usable points.
    int parameterCount = 1;
    // 0 when the lab values do not vary.
    double rSquared = 0;
    // Empty for an exact fit with n = p (no residual degree of freedom).
    std::optional<double> adjustedRSquared;
    // sqrt(SSE / (n - p)); 0 for an exact fit, as in the result block.
    double stdError = 0;
    // Leave-one-out from the hat matrix: sum of (e_i / (1 - h_ii))^2. Empty
    // when a point has leverage 1: without it the fit is undetermined.
    std::optional<double> press;
    std::optional<double> rmsecv;            // sqrt(PRESS / n)
    std::optional<double> predictedRSquared; // 1 - PRESS / SST; also empty when SST = 0
    // SSE / MSE_full - n + 2p, the full model fitting every usable signal of
    // the run that is not constant or dependent; empty when that model has
    // no residual degree of freedom or fits exactly.
    std::optional<double> mallowsCp;
    // Largest variance inflation factor among the candidate's signals: 1 for
    // a single signal; a constant or dependent signal has the ceiling
    // RunDiagnostics::kVifCeiling.
    double maxVif = 1;
};

} // namespace orvo
