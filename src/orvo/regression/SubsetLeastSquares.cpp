#include <orvo/regression/ScaledSamples.h>
#include <orvo/regression/SubsetLeastSquares.h>

#include <algorithm>
#include <cmath>

namespace orvo {

SubsetLeastSquares::SubsetLeastSquares(const ScaledSamples& samples,
                                       const std::vector<int>& numbers) {
    keepIndependent(samples, numbers);
    fit(samples);
}

SubsetLeastSquares::Small SubsetLeastSquares::gramOf(const ScaledSamples& samples,
                                                     const std::vector<int>& numbers) const {
    const auto k = static_cast<Eigen::Index>(numbers.size());
    Small gram(k, k);
    for (Eigen::Index i = 0; i < k; ++i)
        for (Eigen::Index j = 0; j < k; ++j)
            gram(i, j) = samples.gram()(numbers[static_cast<std::size_t>(i)] - 1,
                                        numbers[static_cast<std::size_t>(j)] - 1);
    return gram;
}

// Columns have unit norm, so a diagonal element of the Cholesky factor is
// that signal's distance from the span of the signals before it. Only when
// one is too close are the signals taken one by one.
void SubsetLeastSquares::keepIndependent(const ScaledSamples& samples,
                                         const std::vector<int>& numbers) {
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(m_kept),
                 [&](int number) { return samples.varies(number); });
    if (m_kept.empty() || factorIndependent(samples))
        return;
    const std::vector<int> varying = m_kept;
    m_kept.clear();
    for (int number : varying) {
        m_kept.push_back(number);
        if (!factorIndependent(samples))
            m_kept.pop_back();
    }
    if (!m_kept.empty())
        factorIndependent(samples);
}

bool SubsetLeastSquares::factorIndependent(const ScaledSamples& samples) {
    if (static_cast<Eigen::Index>(m_kept.size()) >= samples.count())
        return false;
    m_factor.compute(gramOf(samples, m_kept));
    return m_factor.info() == Eigen::Success &&
           (m_factor.matrixLLT().diagonal().array() > kDependencyTolerance).all();
}

void SubsetLeastSquares::fit(const ScaledSamples& samples) {
    const Eigen::Index n = samples.count();
    const Eigen::VectorXd& lab = samples.lab();
    m_residuals = lab;
    m_residualSquares = lab.squaredNorm();
    if (m_kept.empty())
        return;
    const auto m = static_cast<Eigen::Index>(m_kept.size());
    Eigen::MatrixXd columns(n, m);
    SmallVector labProducts(m);
    for (Eigen::Index j = 0; j < m; ++j) {
        columns.col(j) = samples.scaledSignals().col(m_kept[static_cast<std::size_t>(j)] - 1);
        labProducts(j) = samples.labProducts()(m_kept[static_cast<std::size_t>(j)] - 1);
    }
    const Eigen::LLT<Small>& factor = m_factor;
    SmallVector coefficients = factor.solve(labProducts);
    m_residuals = lab - columns * coefficients;
    coefficients += factor.solve(SmallVector(columns.transpose() * m_residuals));
    m_residuals = lab - columns * coefficients;
    const double scale = lab.norm() + coefficients.lpNorm<1>();
    m_residualSquares = m_residuals.squaredNorm();
    if (n == m + 1 || std::sqrt(m_residualSquares) <= kExactFitTolerance * scale) {
        m_residuals.setZero();
        m_residualSquares = 0;
    }

    m_inverseFactor = factor.matrixL().solve(Small::Identity(m, m));
    m_columns = std::move(columns);
}

const Eigen::VectorXd& SubsetLeastSquares::leverages() const {
    if (m_leverages.size() == sampleCount())
        return m_leverages;
    const Eigen::Index n = sampleCount();
    m_leverages = Eigen::VectorXd::Constant(n, n > 0 ? 1.0 / static_cast<double>(n) : 0.0);
    if (m_kept.empty())
        return m_leverages;
    // H = 11'/n + X (X'X)^-1 X', and x' (L L')^-1 x = |L^-1 x|^2.
    const Eigen::MatrixXd basis = m_columns * m_inverseFactor.transpose();
    for (Eigen::Index j = 0; j < basis.cols(); ++j)
        m_leverages.array() += basis.col(j).array().square();
    for (double& leverage : m_leverages)
        if (hasLeverageOne(leverage))
            leverage = 1;
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
