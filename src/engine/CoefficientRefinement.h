#pragma once

#include "engine/TriangularFactor.h"

namespace orvo::engine {

// Improves the least-squares parameters of the subset at the front of a factor by one step of
// the corrected semi-normal equations, with the residual and its products with the data
// accumulated in extended precision. The reduction alone leaves the small coefficients of an
// ill-conditioned fit with a large residual (powers x..x^5 on 21 points with noise far above
// the polynomial) with relative errors near 1e-6; one step brings them below 1e-10.
class CoefficientRefinement {
public:
    // leading: the subset's triangle, parameters: constant then coefficients by position.
    static TriangularFactor::LeadingVector
    refine(const TriangularFactor& factor, const TriangularFactor::LeadingBlock& leading,
           const TriangularFactor::LeadingVector& parameters);
};

} // namespace orvo::engine
