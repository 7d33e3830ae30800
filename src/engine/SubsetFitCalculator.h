#pragma once

#include "engine/SubsetFit.h"
#include "engine/TriangularFactor.h"

#include <Eigen/Core>

#include <optional>
#include <vector>

namespace orvo::engine {

// Reads the fit of the subset at the front of a triangular factor.
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

    // Empty when the subset's signals are constant, zero or dependent, or when a value of the
    // fit would not be a finite float. k is the subset size, the subset is at positions 1..k.
    static std::optional<SubsetFit> calculate(const TriangularFactor& factor, int k);

private:
    static constexpr int kMaxBlock = RunRequest::kMaxVariables + 1;
    using Block = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, 0, kMaxBlock, kMaxBlock>;
    using Vector = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, kMaxBlock, 1>;

    SubsetFitCalculator(const TriangularFactor& factor, int k);

    static bool hasDependentSignal(const TriangularFactor& factor, int k);
    bool fitsExactly() const;
    size_t slotAt(int position) const;
    void addCoefficients(SubsetFit& fit) const;
    void addTValues(SubsetFit& fit) const;

    const TriangularFactor& m_factor;
    int m_k;
    Block m_leading;
    Vector m_parameters;    // constant of the mean-shifted fit, then the coefficients by position
    double m_explained = 0; // regression sum of squares
    double m_residual = 0;  // residual sum of squares
    std::vector<int> m_ascendingSignals;
};

} // namespace orvo::engine
