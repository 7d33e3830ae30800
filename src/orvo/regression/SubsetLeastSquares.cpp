#include <orvo/regression/ScaledSamples.h>
#include <orvo/regression/SubsetLeastSquares.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace orvo {

namespace {

// Blocks of this many points keep a pass's running values in registers; the
// points after the last whole block go one by one.
constexpr Eigen::Index kBlock = 8;

template <typename Body> void overPointBlocks(Eigen::Index count, Body&& body) {
    Eigen::Index i = 0;
    for (; i + kBlock <= count; i += kBlock)
        body(i, std::integral_constant<int, kBlock>());
    for (; i < count; ++i)
        body(i, std::integral_constant<int, 1>());
}

template <int B>
Eigen::Map<const Eigen::Array<double, B, 1>> part(const double* column, Eigen::Index i) {
    return Eigen::Map<const Eigen::Array<double, B, 1>>(column + i);
}

} // namespace

SubsetLeastSquares::SubsetLeastSquares(const ScaledSamples& samples,
                                       const std::vector<int>& numbers)
    : m_samples(samples) {
    keepIndependent(numbers);
    fit();
}

SubsetLeastSquares::Small SubsetLeastSquares::gramOf(const std::vector<int>& numbers) const {
    const auto k = static_cast<Eigen::Index>(numbers.size());
    Small gram = Small::Identity();
    for (Eigen::Index i = 0; i < k; ++i)
        for (Eigen::Index j = 0; j < k; ++j)
            gram(i, j) = m_samples.gram()(numbers[static_cast<std::size_t>(i)] - 1,
                                          numbers[static_cast<std::size_t>(j)] - 1);
    return gram;
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
    m_factor.compute(gramOf(m_kept));
    return m_factor.info() == Eigen::Success &&
           (m_factor.matrixLLT().diagonal().head(static_cast<Eigen::Index>(m_kept.size())).array() >
            kDependencyTolerance)
               .all();
}

SubsetLeastSquares::Columns SubsetLeastSquares::keptColumns() const {
    Columns columns{};
    for (std::size_t j = 0; j < m_kept.size(); ++j)
        columns[j] = m_samples.scaledSignals().col(m_kept[j] - 1).data();
    return columns;
}

void SubsetLeastSquares::setResiduals(const SmallVector& coefficients) {
    const double* lab = m_samples.lab().data();
    const Columns columns = keptColumns();
    m_residuals.resize(m_samples.count());
    overPointBlocks(m_samples.count(), [&](Eigen::Index i, auto size) {
        constexpr int B = decltype(size)::value;
        Eigen::Array<double, B, 1> residual = part<B>(lab, i);
        for (std::size_t j = 0; j < m_kept.size(); ++j)
            residual -= coefficients(static_cast<Eigen::Index>(j)) * part<B>(columns[j], i);
        m_residuals.segment<B>(i) = residual.matrix();
    });
}

void SubsetLeastSquares::fit() {
    const Eigen::VectorXd& lab = m_samples.lab();
    if (m_kept.empty()) {
        m_residuals = lab;
        m_residualSquares = lab.squaredNorm();
        return;
    }
    const auto m = static_cast<Eigen::Index>(m_kept.size());
    // Column by column: for blocks this small the vector solve is the faster
    // kernel, and only the kept rows and columns are needed.
    m_inverseFactor.setIdentity();
    const auto factor = m_factor.matrixLLT().topLeftCorner(m, m).triangularView<Eigen::Lower>();
    for (Eigen::Index column = 0; column < m; ++column)
        factor.solveInPlace(m_inverseFactor.col(column).head(m));
    SmallVector labProducts = SmallVector::Zero();
    for (Eigen::Index j = 0; j < m; ++j)
        labProducts(j) = m_samples.labProducts()(m_kept[static_cast<std::size_t>(j)] - 1);
    SmallVector coefficients = m_factor.solve(labProducts);
    setResiduals(coefficients);
    // The cross products of unit columns have norm at most m, their inverse
    // the squared norm of L^-1.
    if (static_cast<double>(m) * m_inverseFactor.topLeftCorner(m, m).squaredNorm() >=
        kRefinementCondition) {
        SmallVector gradient = SmallVector::Zero();
        const Columns columns = keptColumns();
        for (Eigen::Index j = 0; j < m; ++j)
            gradient(j) = Eigen::Map<const Eigen::VectorXd>(columns[static_cast<std::size_t>(j)],
                                                            m_samples.count())
                              .dot(m_residuals);
        coefficients += m_factor.solve(gradient);
        setResiduals(coefficients);
    }
    const double scale = lab.norm() + coefficients.lpNorm<1>();
    m_residualSquares = m_residuals.squaredNorm();
    if (m_samples.count() == m + 1 || std::sqrt(m_residualSquares) <= kExactFitTolerance * scale) {
        m_residuals.setZero();
        m_residualSquares = 0;
    }
}

// H = 11'/n + X (X'X)^-1 X', and x' (L L')^-1 x = |L^-1 x|^2: entry j of
// L^-1 x takes the first j + 1 kept signals.
const Eigen::VectorXd& SubsetLeastSquares::leverages() const {
    if (m_leverages.size() == sampleCount())
        return m_leverages;
    const Eigen::Index n = sampleCount();
    m_leverages.resize(n);
    const Columns columns = keptColumns();
    const double* inverse = m_inverseFactor.data(); // column-major 10 x 10
    overPointBlocks(n, [&](Eigen::Index i, auto size) {
        constexpr int B = decltype(size)::value;
        using Part = Eigen::Array<double, B, 1>;
        Part leverage = Part::Constant(1.0 / static_cast<double>(n));
        for (std::size_t j = 0; j < m_kept.size(); ++j) {
            Part projection = inverse[j] * part<B>(columns[0], i);
            for (std::size_t l = 1; l <= j; ++l)
                projection += inverse[10 * l + j] * part<B>(columns[l], i);
            leverage += projection.square();
        }
        m_leverages.segment<B>(i) = leverage.matrix();
    });
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
