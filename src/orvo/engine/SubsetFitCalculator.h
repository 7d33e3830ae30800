#pragma once

#include <orvo/engine/SubsetFit.h>
#include <orvo/engine/TriangularFactor.h>

#include <optional>
#include <vector>

namespace orvo::engine {

// Reads the fit of the subset at the front of a triangular factor, in two stages: screening
// gives what the ranking needs for every subset, completing adds the rest for the few that are
// written.
class SubsetFitCalculator {
public:
    // A signal whose distance from the span of the constant and the subset's other signals is
    // at most this fraction of its own norm is taken as dependent on them. Rounding the inputs
    // to float moves each value by up to 2^-24 of itself, so within 2^-24 of the span a column
    // may well be an exact combination of the others before rounding; 2^-20 leaves a margin of
    // 16. The smallest relative distance of a power x^j from the other powers x..x^5 on
    // x = 0..20 is about 2e-3, so such polynomials are still fitted.
    static constexpr double kDependencyTolerance = 0x1p-20;

    // The reduction and the column moves are backward stable: when a subset fits the data
    // exactly, the computed residual norm stays below eps (||y|| + sum |a_j| ||x_j||) with
    // mean-shifted norms and eps the worst-case backward error. For the reduction of n rows
    // and p = 12 columns eps is about (n + p) p u (u = 2^-53), 3e-13 for 200 points; the
    // rotations of a full run, about 2500 of 6 u each, add 2e-12. 2^-36 (1.5e-11) covers that
    // up to several thousand points. A residual that float data can genuinely carry is far
    // larger: one rounding of a single lab value is 2^-24 of it.
    static constexpr double kExactFitTolerance = 0x1p-36;

    // Signals, correlation and standard error of the subset at positions 1..k. Empty when the
    // subset's signals are constant, zero or dependent.
    static std::optional<SubsetFit> screen(const TriangularFactor& factor, int k);

    // Adds coefficients, B, t-values and tTot to a screened fit whose subset is at the front.
    // Empty when one of its values would not be a finite float.
    static std::optional<SubsetFit> complete(const TriangularFactor& factor, SubsetFit fit);

private:
    using Block = TriangularFactor::LeadingBlock;
    using Vector = TriangularFactor::LeadingVector;

    SubsetFitCalculator(const TriangularFactor& factor, int k);

    static bool hasDependentSignal(const TriangularFactor& factor, int k);
    double residualSquares() const;
    bool fitsExactly(double residual) const;
    size_t slotAt(int position) const;
    void addCoefficients(SubsetFit& fit) const;
    void addTValues(SubsetFit& fit, const Block& inverse) const;

    const TriangularFactor& m_factor;
    int m_k;
    Block m_leading;
    Vector m_parameters;    // constant of the shifted fit, then the coefficients by position
    double m_explained = 0; // regression sum of squares
    std::vector<int> m_ascendingSignals;
};

} // namespace orvo::engine
