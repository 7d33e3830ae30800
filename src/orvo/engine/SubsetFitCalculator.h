#pragma once

#include <orvo/engine/SubsetFit.h>
#include <orvo/engine/SubsetTriangle.h>

#include <optional>

namespace orvo::engine {

// The exact fit of one subset on its own: every value of its result row, from the subset's
// triangle.
class SubsetFitCalculator {
public:
    // A signal whose distance from the span of the constant and the subset's other signals is at
    // most this fraction of its own norm is taken as dependent on them. Rounding the inputs
    // to float moves each value by up to 2^-24 of itself, so within 2^-24 of the span a column
    // may well be an exact combination of the others before rounding; 2^-20 leaves a margin of
    // 16. The smallest relative distance of a power x^j from the other powers x..x^5 on
    // x = 0..20 is about 2e-3, so such polynomials are still fitted.
    static constexpr double kDependencyTolerance = 0x1p-20;

    // The reduction and the rotations are backward stable: when a subset fits the data
    // exactly, the computed residual norm stays below eps (||y|| + sum |a_j| ||x_j||) with
    // mean-shifted norms and eps the worst-case backward error. For the reduction of n rows
    // and p = 12 columns eps is about (n + p) p u (u = 2^-53), 3e-13 for 200 points; a
    // subset's rotations, at most 25 of 6 u each, add 2e-14. 2^-36 (1.5e-11) covers that up
    // to several thousand points. A residual that float data can genuinely carry is far
    // larger: one rounding of a single lab value is 2^-24 of it.
    static constexpr double kExactFitTolerance = 0x1p-36;

    // Empty when the subset's signals are constant, zero or dependent, or when one of its values
    // would not be a finite float.
    static std::optional<SubsetFit> fit(const TriangularFactor& factor, const SignalSubset& subset);
    // Empty also when the fit would not rank before rival.
    static std::optional<SubsetFit> fitRankingBefore(const TriangularFactor& factor,
                                                     const SignalSubset& subset,
                                                     const SubsetFit& rival);

private:
    using Block = SubsetTriangle::Block;
    using Vector = SubsetTriangle::Vector;

    static std::optional<SubsetFit> fit(const TriangularFactor& factor, const SignalSubset& subset,
                                        const SubsetFit* rival);
    SubsetFitCalculator(const TriangularFactor& factor, const SignalSubset& subset);

    // The inverse of the subset's triangle; empty when a signal is dependent on the others.
    std::optional<Block> inverseOfIndependent() const;
    bool fitsExactly(double residual) const;
    void addCorrelation(SubsetFit& fit) const;
    void addCoefficients(SubsetFit& fit, const Block& inverse);
    void addTValues(SubsetFit& fit, const Block& inverse) const;

    SubsetTriangle m_triangle;
    int m_k;
    Block m_leading;
    Vector m_parameters;    // constant of the shifted fit, then the coefficients by position
    double m_explained = 0; // regression sum of squares
};

} // namespace orvo::engine
