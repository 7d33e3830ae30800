#include "engine/SubsetFitCalculator.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvo::engine {

namespace {

bool isWritable(double value) {
    return std::abs(value) <= std::numeric_limits<float>::max();
}

bool isWritable(const SubsetFit& fit) {
    const auto writable = [](double value) {
        return isWritable(value);
    };
    return std::all_of(fit.coefficients.begin(), fit.coefficients.end(), writable) &&
           std::all_of(fit.tCoefficients.begin(), fit.tCoefficients.end(), writable) &&
           isWritable(fit.constant) && isWritable(fit.standardError) && isWritable(fit.tTotal) &&
           isWritable(fit.tConstant);
}

} // namespace

std::optional<SubsetFit> SubsetFitCalculator::calculate(const TriangularFactor& factor, int k) {
    if (factor.sampleCount() < k + 1 || hasDependentSignal(factor, k))
        return std::nullopt;
    const SubsetFitCalculator calculator(factor, k);
    SubsetFit fit;
    calculator.addCoefficients(fit);
    calculator.addTValues(fit);
    if (!isWritable(fit))
        return std::nullopt;
    return fit;
}

SubsetFitCalculator::SubsetFitCalculator(const TriangularFactor& factor, int k)
    : m_factor(factor), m_k(k), m_leading(factor.triangle().topLeftCorner(k + 1, k + 1)) {
    const auto lab = factor.triangle().col(TriangularFactor::kLabPosition);
    m_parameters = m_leading.triangularView<Eigen::Upper>().solve(Vector(lab.head(k + 1)));
    m_explained = lab.segment(1, k).squaredNorm();
    m_residual = fitsExactly() ? 0.0 : lab.tail(TriangularFactor::kSize - k - 1).squaredNorm();

    SignalSubset subset;
    for (int position = 1; position <= k; ++position)
        subset = subset.with(factor.signalAt(position));
    m_ascendingSignals = subset.signals();
}

bool SubsetFitCalculator::hasDependentSignal(const TriangularFactor& factor, int k) {
    for (int position = 1; position <= k; ++position) {
        const double distance = std::abs(factor.triangle()(position, position));
        if (distance <= kDependencyTolerance * factor.signalNorm(factor.signalAt(position)))
            return true;
    }
    return false;
}

bool SubsetFitCalculator::fitsExactly() const {
    if (m_factor.sampleCount() == m_k + 1)
        return true;
    const auto lab = m_factor.triangle().col(TriangularFactor::kLabPosition);
    const double residual = lab.tail(TriangularFactor::kSize - m_k - 1).squaredNorm();
    double scale = std::sqrt(m_explained + residual);
    for (int position = 1; position <= m_k; ++position)
        scale += std::abs(m_parameters(position)) *
                 m_factor.shiftedSignalNorm(m_factor.signalAt(position));
    const double bound = kExactFitTolerance * scale;
    return residual <= bound * bound;
}

size_t SubsetFitCalculator::slotAt(int position) const {
    const auto found = std::find(m_ascendingSignals.begin(), m_ascendingSignals.end(),
                                 m_factor.signalAt(position));
    return static_cast<size_t>(found - m_ascendingSignals.begin());
}

void SubsetFitCalculator::addCoefficients(SubsetFit& fit) const {
    for (const int signal : m_ascendingSignals)
        fit.signals = fit.signals.with(signal);
    // B of the original data follows from the constant of the mean-shifted fit.
    fit.constant = m_factor.labMean() + m_parameters(0);
    for (int position = 1; position <= m_k; ++position) {
        fit.coefficients[slotAt(position)] = m_parameters(position);
        fit.constant -= m_parameters(position) * m_factor.signalMean(m_factor.signalAt(position));
    }
    const double total = m_explained + m_residual;
    fit.correlation = m_explained > 0 ? std::sqrt(m_explained / total) : 0.0;
}

// An exact fit keeps standard error, t-values and tTot at 0: they would be infinite.
void SubsetFitCalculator::addTValues(SubsetFit& fit) const {
    if (m_residual == 0)
        return;
    const auto degreesOfFreedom = static_cast<double>(m_factor.sampleCount() - m_k - 1);
    fit.standardError = std::sqrt(m_residual / degreesOfFreedom);

    // Covariance of the parameters: s^2 (R^T R)^-1 = s^2 R^-1 R^-T.
    const Block inverse =
        m_leading.triangularView<Eigen::Upper>().solve(Block::Identity(m_k + 1, m_k + 1));
    for (int position = 1; position <= m_k; ++position) {
        const double error = fit.standardError * inverse.row(position).norm();
        fit.tCoefficients[slotAt(position)] = m_parameters(position) / error;
    }
    // B = constant - sum of coefficient * mean with weights w: its variance is s^2 ||R^-T w||^2.
    Vector constantWeights(m_k + 1);
    constantWeights(0) = 1;
    for (int position = 1; position <= m_k; ++position)
        constantWeights(position) = -m_factor.signalMean(m_factor.signalAt(position));
    const double constantSpread =
        m_leading.transpose().triangularView<Eigen::Lower>().solve(constantWeights).norm();
    fit.tConstant = fit.constant / (fit.standardError * constantSpread);

    fit.tTotal = m_k == 1 ? std::abs(fit.tCoefficients[0])
                          : std::sqrt(m_explained / m_k) / fit.standardError;
}

} // namespace orvo::engine
