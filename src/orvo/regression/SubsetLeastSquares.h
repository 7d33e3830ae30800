#pragma once

#include <Eigen/Core>
#include <Eigen/QR>

#include <vector>

namespace orvo {

class ScaledSamples;

// The least-squares fit of the lab values on a subset of signals plus a
// constant, by Householder QR, with what the diagnostics read from it.
class SubsetLeastSquares {
public:
    // A signal within this relative distance of the span of the constant and
    // the subset's earlier signals is dependent and left out, as the engine
    // does; its variance inflation factor would be at least 2^40.
    static constexpr double kDependencyTolerance = 0x1p-20;
    // A residual norm below this fraction of the lab and fitted scale is
    // rounding of an exact fit and is taken as 0, as the engine does.
    static constexpr double kExactFitTolerance = 0x1p-36;
    // 1 - h_ii at or below this is a leverage of 1.
    static constexpr double kLeverageOneTolerance = 1e-9;

    // numbers: signals 1..10, in slot order.
    SubsetLeastSquares(const ScaledSamples& samples, const std::vector<int>& numbers);

    Eigen::Index sampleCount() const { return m_residuals.size(); }
    // The constant plus the signals kept.
    int parameterCount() const { return static_cast<int>(m_kept.size()) + 1; }
    const Eigen::VectorXd& residuals() const { return m_residuals; }
    double residualSquares() const { return m_residuals.squaredNorm(); }
    const Eigen::VectorXd& leverages() const { return m_leverages; }
    static bool hasLeverageOne(double leverage) { return 1 - leverage <= kLeverageOneTolerance; }
    // 1 / (1 - R^2) of the signal regressed on the subset's other signals;
    // 0 for a signal left out as constant or dependent.
    double varianceInflation(int signal) const;

private:
    Eigen::MatrixXd design(const ScaledSamples& samples) const;
    void keepIndependent(const ScaledSamples& samples, std::vector<int> candidates);
    void fit(const ScaledSamples& samples);

    std::vector<int> m_kept;
    Eigen::MatrixXd m_inverseR;
    Eigen::VectorXd m_residuals;
    Eigen::VectorXd m_leverages;
};

} // namespace orvo
