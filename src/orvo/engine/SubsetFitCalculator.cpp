#include <orvo/engine/CoefficientRefinement.h>
#include <orvo/engine/SubsetFitCalculator.h>

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
           isWritable(fit.constant) && isWritable(fit.tTotal) && isWritable(fit.tConstant);
}

} // namespace

std::optional<SubsetFit> SubsetFitCalculator::screen(const TriangularFactor& factor, int k) {
    if (factor.sampleCount() < k + 1 || hasDependentSignal(factor, k))
        return std::nullopt;
    const SubsetFitCalculator calculator(factor, k);
    double residual = calculator.residualSquares();
    if (calculator.fitsExactly(residual))
        residual = 0;

    SubsetFit fit;
    for (const int signal : calculator.m_ascendingSignals)
        fit.signals = fit.signals.with(signal);
    const double explained = calculator.m_explained;
    fit.correlation = explained > 0 ? std::sqrt(explained / (explained + residual)) : 0.0;
    const auto degreesOfFreedom = static_cast<double>(factor.sampleCount() - k - 1);
    fit.standardError = residual > 0 ? std::sqrt(residual / degreesOfFreedom) : 0.0;
    return fit;
}

std::optional<SubsetFit> SubsetFitCalculator::complete(const TriangularFactor& factor,
                                                       SubsetFit fit) {
    const int k = fit.signals.size();
    SubsetFitCalculator calculator(factor, k);
    const Block inverse =
        calculator.m_leading.triangularView<Eigen::Upper>().solve(Block::Identity(k + 1, k + 1));
    const double residualNorm =
        fit.standardError * std::sqrt(static_cast<double>(factor.sampleCount() - k - 1));
    if (CoefficientRefinement::isNeeded(factor, inverse, calculator.m_parameters, residualNorm))
        calculator.m_parameters =
            CoefficientRefinement::refine(factor, calculator.m_leading, calculator.m_parameters);
    calculator.addCoefficients(fit);
    calculator.addTValues(fit, inverse);
    if (!isWritable(fit))
        return std::nullopt;
    return fit;
}

SubsetFitCalculator::SubsetFitCalculator(const TriangularFactor& factor, int k)
    : m_factor(factor), m_k(k), m_leading(factor.triangle().topLeftCorner(k + 1, k + 1)) {
    const auto lab = factor.triangle().col(TriangularFactor::kLabPosition);
    m_parameters = m_leading.triangularView<Eigen::Upper>().solve(Vector(lab.head(k + 1)));
    m_explained = lab.segment(1, k).squaredNorm();

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

double SubsetFitCalculator::residualSquares() const {
    const auto lab = m_factor.triangle().col(TriangularFactor::kLabPosition);
    return lab.tail(TriangularFactor::kSize - m_k - 1).squaredNorm();
}

bool SubsetFitCalculator::fitsExactly(double residual) const {
    if (m_factor.sampleCount() == m_k + 1)
        return true;
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
    // B of the original data follows from the constant of the shifted fit and the shifts.
    long double constant = m_factor.labShift() + m_parameters(0);
    for (int position = 1; position <= m_k; ++position) {
        fit.coefficients[slotAt(position)] = m_parameters(position);
        constant -= static_cast<long double>(m_parameters(position)) *
                    m_factor.signalShift(m_factor.signalAt(position));
    }
    fit.constant = static_cast<double>(constant);
}

// An exact fit keeps t-values and tTot at 0: they would be infinite.
void SubsetFitCalculator::addTValues(SubsetFit& fit, const Block& inverse) const {
    if (fit.standardError == 0)
        return;
    // Covariance of the parameters: s^2 (R^T R)^-1 = s^2 R^-1 R^-T.
    for (int position = 1; position <= m_k; ++position) {
        const double error = fit.standardError * inverse.row(position).norm();
        fit.tCoefficients[slotAt(position)] = m_parameters(position) / error;
    }
    // B = constant - sum of coefficient * shift with weights w: its variance is s^2 ||R^-T w||^2.
    Vector constantWeights(m_k + 1);
    constantWeights(0) = 1;
    for (int position = 1; position <= m_k; ++position)
        constantWeights(position) = -m_factor.signalShift(m_factor.signalAt(position));
    const double constantSpread =
        m_leading.transpose().triangularView<Eigen::Lower>().solve(constantWeights).norm();
    fit.tConstant = fit.constant / (fit.standardError * constantSpread);

    fit.tTotal = m_k == 1 ? std::abs(fit.tCoefficients[0])
                          : std::sqrt(m_explained / m_k) / fit.standardError;
}

} // namespace orvo::engine
