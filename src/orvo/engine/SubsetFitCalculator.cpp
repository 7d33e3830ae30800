#include <orvo/engine/CandidateRanking.h>
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

std::optional<SubsetFit> SubsetFitCalculator::fit(const TriangularFactor& factor,
                                                  const SignalSubset& subset) {
    return fit(factor, subset, nullptr);
}

std::optional<SubsetFit> SubsetFitCalculator::fitRankingBefore(const TriangularFactor& factor,
                                                               const SignalSubset& subset,
                                                               const SubsetFit& rival) {
    return fit(factor, subset, &rival);
}

// The values that rank a fit need neither the inverse nor the coefficients, so a fit that cannot
// rank before the rival stops there.
std::optional<SubsetFit> SubsetFitCalculator::fit(const TriangularFactor& factor,
                                                  const SignalSubset& subset,
                                                  const SubsetFit* rival) {
    if (factor.sampleCount() < subset.size() + 1)
        return std::nullopt;
    SubsetFitCalculator calculator(factor, subset);
    SubsetFit fit;
    fit.signals = subset;
    calculator.addCorrelation(fit);
    if (rival != nullptr && !CandidateRanking::ranksBefore(fit, *rival))
        return std::nullopt;
    const std::optional<Block> inverse = calculator.inverseOfIndependent();
    if (!inverse)
        return std::nullopt;
    calculator.addCoefficients(fit, *inverse);
    calculator.addTValues(fit, *inverse);
    if (!isWritable(fit))
        return std::nullopt;
    return fit;
}

SubsetFitCalculator::SubsetFitCalculator(const TriangularFactor& factor, const SignalSubset& subset)
    : m_triangle(factor, subset), m_k(subset.size()), m_leading(m_triangle.leading()) {
    m_parameters = m_leading.triangularView<Eigen::Upper>().solve(m_triangle.labHead());
    m_explained = m_triangle.explainedSquares();
}

std::optional<SubsetFitCalculator::Block> SubsetFitCalculator::inverseOfIndependent() const {
    Vector tolerances = Vector::Zero();
    for (int position = 1; position <= m_k; ++position)
        tolerances(position) =
            kDependencyTolerance * m_triangle.factor().signalNorm(m_triangle.signalAt(position));
    // A signal's distance from the span of those before it is at least its distance from the
    // span of all the others; checking it first keeps the inverse finite.
    for (int position = 1; position <= m_k; ++position) {
        if (std::abs(m_leading(position, position)) <= tolerances(position))
            return std::nullopt;
    }
    // Column by column: for blocks this small the vector solve is the faster kernel. The
    // padding's columns are those of the identity, exactly as their solves would give them up to
    // the signs of zeros, which no use of the inverse can tell apart.
    Block inverse = Block::Identity();
    for (int column = 0; column <= m_k; ++column)
        inverse.col(column) = m_leading.triangularView<Eigen::Upper>().solve(Vector::Unit(column));
    // The distance from the span of all the others is 1 / ||row of R^-1||.
    for (int position = 1; position <= m_k; ++position) {
        if (inverse.row(position).norm() * tolerances(position) >= 1)
            return std::nullopt;
    }
    return inverse;
}

bool SubsetFitCalculator::fitsExactly(double residual) const {
    if (m_triangle.factor().sampleCount() == m_k + 1)
        return true;
    double scale = std::sqrt(m_explained + residual);
    for (int position = 1; position <= m_k; ++position)
        scale += std::abs(m_parameters(position)) *
                 m_triangle.factor().shiftedSignalNorm(m_triangle.signalAt(position));
    const double bound = kExactFitTolerance * scale;
    return residual <= bound * bound;
}

void SubsetFitCalculator::addCorrelation(SubsetFit& fit) const {
    double residual = m_triangle.residualSquares();
    if (fitsExactly(residual))
        residual = 0;
    fit.correlation = m_explained > 0 ? std::sqrt(m_explained / (m_explained + residual)) : 0.0;
    const auto degreesOfFreedom = static_cast<double>(m_triangle.factor().sampleCount() - m_k - 1);
    fit.standardError = residual > 0 ? std::sqrt(residual / degreesOfFreedom) : 0.0;
}

// Refines the parameters first when their error bound asks for it.
void SubsetFitCalculator::addCoefficients(SubsetFit& fit, const Block& inverse) {
    const double residualNorm =
        fit.standardError *
        std::sqrt(static_cast<double>(m_triangle.factor().sampleCount() - m_k - 1));
    if (CoefficientRefinement::isNeeded(m_triangle, inverse, m_parameters, residualNorm))
        m_parameters = CoefficientRefinement::refine(m_triangle, m_leading, m_parameters);

    // B of the original data follows from the constant of the shifted fit and the shifts.
    const TriangularFactor& factor = m_triangle.factor();
    long double constant = factor.labShift() + m_parameters(0);
    for (int position = 1; position <= m_k; ++position) {
        fit.coefficients[static_cast<size_t>(position - 1)] = m_parameters(position);
        constant -= static_cast<long double>(m_parameters(position)) *
                    factor.signalShift(m_triangle.signalAt(position));
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
        fit.tCoefficients[static_cast<size_t>(position - 1)] = m_parameters(position) / error;
    }
    // B = constant - sum of coefficient * shift with weights w: its variance is s^2 ||R^-T w||^2.
    Vector constantWeights = Vector::Zero();
    constantWeights(0) = 1;
    for (int position = 1; position <= m_k; ++position)
        constantWeights(position) = -m_triangle.factor().signalShift(m_triangle.signalAt(position));
    const double constantSpread =
        m_leading.transpose().triangularView<Eigen::Lower>().solve(constantWeights).norm();
    fit.tConstant = fit.constant / (fit.standardError * constantSpread);

    fit.tTotal = m_k == 1 ? std::abs(fit.tCoefficients[0])
                          : std::sqrt(m_explained / m_k) / fit.standardError;
}

} // namespace orvo::engine
