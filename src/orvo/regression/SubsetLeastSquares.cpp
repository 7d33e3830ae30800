#include <orvo/regression/ScaledSamples.h>
#include <orvo/regression/SubsetKernels.h>
#include <orvo/regression/SubsetLeastSquares.h>

#include <algorithm>
#include <cmath>

namespace orvo {

SubsetLeastSquares::SubsetLeastSquares(const ScaledSamples& samples,
                                       const std::vector<int>& numbers)
    : m_samples(samples) {
    keepIndependent(numbers);
    fit();
}

// Columns have unit norm, so a diagonal element of the Cholesky factor is
// that signal's distance from the span of the signals before it. Only when
// one is too close are the signals taken one by one.
void SubsetLeastSquares::keepIndependent(const std::vector<int>& numbers) {
    m_kept.reserve(numbers.size());
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(m_kept),
                 [&](int number) { return m_samples.varies(number); });
    if (m_kept.empty() || factorIndependent())
        return;
    const std::vector<int> varying = m_kept;
    m_kept.clear();
    for (int number : varying) {
        m_kept.push_back(number);
        if (!factorIndependent())
            m_kept.pop_back();
    }
    if (!m_kept.empty())
        factorIndependent();
}

bool SubsetLeastSquares::factorIndependent() {
    if (static_cast<Eigen::Index>(m_kept.size()) >= m_samples.count())
        return false;
    return SubsetKernels::forCount(m_kept.size())
        .invertFactor(m_samples.gram(), m_kept.data(), kDependencyTolerance, m_inverseFactor);
}

// (L L')^-1 = L^-T L^-1; the padding keeps zeros zero.
SubsetLeastSquares::SmallVector SubsetLeastSquares::solve(const SmallVector& products) const {
    return m_inverseFactor.transpose() * (m_inverseFactor * products);
}

SubsetKernels::Columns SubsetLeastSquares::keptColumns() const {
    SubsetKernels::Columns columns{};
    for (std::size_t j = 0; j < m_kept.size(); ++j)
        columns[j] = m_samples.scaledSignals().col(m_kept[j] - 1).data();
    return columns;
}

void SubsetLeastSquares::setResiduals(const SmallVector& coefficients) {
    m_residuals.resize(m_samples.count());
    SubsetKernels::forCount(m_kept.size())
        .residuals(m_samples.lab().data(), keptColumns(), coefficients.data(), m_samples.count(),
                   m_residuals.data());
}

void SubsetLeastSquares::fit() {
    const Eigen::VectorXd& lab = m_samples.lab();
    if (m_kept.empty()) {
        m_residuals = lab;
        m_residualSquares = lab.squaredNorm();
        return;
    }
    const auto m = static_cast<Eigen::Index>(m_kept.size());
    SmallVector labProducts = SmallVector::Zero();
    for (Eigen::Index j = 0; j < m; ++j)
        labProducts(j) = m_samples.labProducts()(m_kept[static_cast<std::size_t>(j)] - 1);
    SmallVector coefficients = solve(labProducts);
    setResiduals(coefficients);
    // The cross products of unit columns have norm at most m, their inverse
    // the squared norm of L^-1.
    if (static_cast<double>(m) * m_inverseFactor.topLeftCorner(m, m).squaredNorm() >=
        kRefinementCondition) {
        SmallVector gradient = SmallVector::Zero();
        for (Eigen::Index j = 0; j < m; ++j)
            gradient(j) = m_samples.scaledSignals()
                              .col(m_kept[static_cast<std::size_t>(j)] - 1)
                              .dot(m_residuals);
        coefficients += solve(gradient);
        setResiduals(coefficients);
    }
    const double scale = std::sqrt(m_samples.totalSquares()) + coefficients.lpNorm<1>();
    m_residualSquares = m_residuals.squaredNorm();
    if (m_samples.count() == m + 1 || std::sqrt(m_residualSquares) <= kExactFitTolerance * scale) {
        m_residuals.setZero();
        m_residualSquares = 0;
    }
}

// H = 11'/n + X (X'X)^-1 X', and x' (L L')^-1 x = |L^-1 x|^2.
const Eigen::VectorXd& SubsetLeastSquares::leverages() const {
    if (m_leverages.size() == sampleCount())
        return m_leverages;
    const Eigen::Index n = sampleCount();
    if (m_kept.empty()) {
        m_leverages.setConstant(n, n > 0 ? 1.0 / static_cast<double>(n) : 0.0);
        return m_leverages;
    }
    m_leverages.resize(n);
    SubsetKernels::forCount(m_kept.size())
        .leverages(keptColumns(), m_inverseFactor, n, m_leverages.data());
    if (m_leverages.maxCoeff() >= 1 - kLeverageOneTolerance)
        m_leverages = (1 - m_leverages.array() <= kLeverageOneTolerance).select(1.0, m_leverages);
    return m_leverages;
}

double SubsetLeastSquares::varianceInflation(int signal) const {
    const auto found = std::find(m_kept.begin(), m_kept.end(), signal);
    if (found == m_kept.end())
        return 0;
    // With unit-norm centred columns, VIF_j = [(X'X)^-1]_jj = |column j of L^-1|^2.
    return std::max(1.0, m_inverseFactor.col(found - m_kept.begin()).squaredNorm());
}

} // namespace orvo
