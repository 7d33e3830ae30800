#pragma once

#include <optional>

namespace orvo {

// How one usable point sits in a candidate's fit.
struct PointInfluence {
    int index = 0; // 0-based position in the data set
    double residual = 0;
    double leverage = 0; // h_ii, within 0..1
    // Externally studentized residual; empty at leverage 1 or with fewer
    // than p + 2 points, 0 when the fit is exact.
    std::optional<double> studentizedResidual;
    // Empty at leverage 1 or for n = p; 0 when the fit is exact.
    std::optional<double> cooksDistance;
    bool outlier = false;
    bool highLeverage = false;
    bool influential = false;
};

} // namespace orvo
