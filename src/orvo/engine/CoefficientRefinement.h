#pragma once

#include <orvo/engine/SubsetTriangle.h>

namespace orvo::engine {

// Improves the least-squares parameters of a subset by one step of
// the corrected semi-normal equations, with the residual and its products with the data
// accumulated in extended precision. The reduction alone leaves the small coefficients of an
// ill-conditioned fit with a large residual (powers x..x^5 on 21 points with noise far above
// the polynomial) with relative errors near 1e-6; one step brings them below 1e-10.
class CoefficientRefinement {
public:
    using Block = SubsetTriangle::Block;
    using Vector = SubsetTriangle::Vector;

    // Whether the first-order error bound of the reduction allows an error above 2^-30 in a
    // coefficient or in B. The step costs about as much as the rest of a short run, so it is
    // taken only then. inverse is the inverse of the subset's triangle, residualNorm the
    // square root of the residual sum of squares.
    static bool isNeeded(const SubsetTriangle& triangle, const Block& inverse,
                         const Vector& parameters, double residualNorm);

    // leading: the subset's triangle, parameters: constant then coefficients by position.
    static Vector refine(const SubsetTriangle& triangle, const Block& leading,
                         const Vector& parameters);

private:
    static Vector gradientOf(const SubsetTriangle& triangle, const Vector& parameters);
    template <int Size>
    static Vector gradientOf(const SubsetTriangle& triangle, const Vector& parameters);
};

} // namespace orvo::engine
