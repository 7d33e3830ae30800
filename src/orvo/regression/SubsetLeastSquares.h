#pragma once

#include <orvo/regression/SubsetKernels.h>

#include <Eigen/Core>

#include <vector>

namespace orvo {

class ScaledSamples;

// The least-squares fit of the lab values on a subset of signals plus a
// constant, with what the diagnostics read from it. The run's cross products
// are formed once, so a subset costs a Cholesky factor of at most 5 x 5 and
// a few passes over the points, each over blocks of points held in
// registers: the diagnostics of a whole run stay far below what a user
// notices. Centring and unit scaling keep the factor as well conditioned as
// the signals allow; an ill-conditioned subset gets one step of refinement,
// which brings its coefficients to the accuracy of an orthogonal fit.
class SubsetLeastSquares {
public:
    // A signal within this relative distance of the span of the constant and
    // the subset's earlier signals is dependent and left out, as the engine
    // does; its variance inflation factor would be at least 2^40.
    static constexpr double kDependencyTolerance = 0x1p-20;
    // A residual norm below this fraction of the lab and fitted scale is
    // rounding of an exact fit and is taken as 0, as the engine does.
    static constexpr double kExactFitTolerance = 0x1p-36;
    // Refinement is left out below this bound on the condition of the cross
    // products: the first solve is then already good to about 2^-33.
    static constexpr double kRefinementCondition = 0x1p20;
    // 1 - h_ii at or below this is rounding of a leverage of exactly 1 (or
    // above), and is given as 1.
    static constexpr double kLeverageOneTolerance = 1e-9;

    // numbers: signals 1..10, in slot order. The samples must outlive the fit.
    SubsetLeastSquares(const ScaledSamples& samples, const std::vector<int>& numbers);

    Eigen::Index sampleCount() const { return m_residuals.size(); }
    // The constant plus the signals kept.
    int parameterCount() const { return static_cast<int>(m_kept.size()) + 1; }
    const Eigen::VectorXd& residuals() const { return m_residuals; }
    double residualSquares() const { return m_residualSquares; }
    // h_ii, formed on first use: the full model of a run needs none.
    const Eigen::VectorXd& leverages() const;
    static bool hasLeverageOne(double leverage) { return 1 - leverage <= kLeverageOneTolerance; }
    // 1 / (1 - R^2) of the signal regressed on the subset's other signals;
    // 0 for a signal left out as constant or dependent.
    double varianceInflation(int signal) const;

private:
    // The kept signals take the leading rows and columns; the rest of the
    // inverse factor is the identity, the rest of a vector zero.
    using Small = SubsetKernels::Small;
    using SmallVector = Eigen::Matrix<double, SubsetKernels::kMaxSignals, 1>;

    void keepIndependent(const std::vector<int>& numbers);
    // Factors the kept signals' cross products and inverts the factor; false
    // when one is dependent.
    bool factorIndependent();
    SmallVector solve(const SmallVector& products) const;
    void fit();
    // The lab values less the fitted values of the given coefficients.
    void setResiduals(const SmallVector& coefficients);
    SubsetKernels::Columns keptColumns() const;

    const ScaledSamples& m_samples;
    std::vector<int> m_kept;
    Small m_inverseFactor; // L^-1, L L' = the kept signals' cross products
    Eigen::VectorXd m_residuals;
    double m_residualSquares = 0;
    mutable Eigen::VectorXd m_leverages;
};

} // namespace orvo
