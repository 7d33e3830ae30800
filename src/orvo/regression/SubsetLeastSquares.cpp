#include <orvo/regression/ScaledSamples.h>
#include <orvo/regression/SubsetLeastSquares.h>

#include <algorithm>

namespace orvo {

namespace {

// Position of the first column within the tolerance of the span of the
// constant and the columns before it, or -1. Columns have unit norm, so
// |R_jj| is that distance relative to the column's size.
Eigen::Index firstDependentColumn(const Eigen::MatrixXd& design) {
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(design);
    for (Eigen::Index j = 0; j < design.cols(); ++j)
        if (j >= design.rows() ||
            std::abs(qr.matrixQR()(j, j)) <= SubsetLeastSquares::kDependencyTolerance)
            return j;
    return -1;
}

} // namespace

SubsetLeastSquares::SubsetLeastSquares(const ScaledSamples& samples,
                                       const std::vector<int>& numbers) {
    std::vector<int> varying;
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(varying),
                 [&](int signal) { return samples.varies(signal); });
    keepIndependent(samples, varying);
    fit(samples);
}

Eigen::MatrixXd SubsetLeastSquares::design(const ScaledSamples& samples) const {
    Eigen::MatrixXd columns(samples.count(), static_cast<Eigen::Index>(m_kept.size()));
    for (std::size_t j = 0; j < m_kept.size(); ++j)
        columns.col(static_cast<Eigen::Index>(j)) = samples.scaledSignals().col(m_kept[j] - 1);
    return columns;
}

void SubsetLeastSquares::keepIndependent(const ScaledSamples& samples,
                                         std::vector<int> candidates) {
    for (;;) {
        m_kept = candidates;
        const Eigen::Index dependent = firstDependentColumn(design(samples));
        if (dependent < 0)
            return;
        candidates.erase(candidates.begin() + dependent);
    }
}

void SubsetLeastSquares::fit(const ScaledSamples& samples) {
    const Eigen::Index n = samples.count();
    const Eigen::VectorXd& lab = samples.lab();
    m_residuals = lab;
    m_leverages = Eigen::VectorXd::Constant(n, n > 0 ? 1.0 / static_cast<double>(n) : 0.0);
    if (m_kept.empty())
        return;
    const Eigen::MatrixXd columns = design(samples);
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(columns);
    const auto m = columns.cols();
    m_inverseR = qr.matrixQR().topLeftCorner(m, m).triangularView<Eigen::Upper>().solve(
        Eigen::MatrixXd::Identity(m, m));
    const Eigen::VectorXd coefficients = qr.solve(lab);
    m_residuals = lab - columns * coefficients;
    const double scale = lab.norm() + coefficients.lpNorm<1>();
    if (n == m + 1 || m_residuals.norm() <= kExactFitTolerance * scale)
        m_residuals.setZero();
    // H = 11'/n + Q1 Q1' with Q1 = X R^-1, the orthonormal basis of the signals.
    const Eigen::MatrixXd basis = columns * m_inverseR.triangularView<Eigen::Upper>();
    m_leverages.array() += basis.rowwise().squaredNorm().array();
    m_leverages = m_leverages.cwiseMin(1.0);
}

double SubsetLeastSquares::varianceInflation(int signal) const {
    const auto found = std::find(m_kept.begin(), m_kept.end(), signal);
    if (found == m_kept.end())
        return 0;
    // With unit-norm centred columns, VIF_j = [(X'X)^-1]_jj = |row j of R^-1|^2.
    return std::max(1.0, m_inverseR.row(found - m_kept.begin()).squaredNorm());
}

} // namespace orvo
