#include <orvo/engine/CoefficientRefinement.h>

#include <Eigen/Dense>

#include <array>
#include <cmath>

namespace orvo::engine {

namespace {

// Backward error of the reduction and the column moves, relative to each column's norm: about
// n u for the few hundred points a data set holds.
constexpr double kBackwardError = 0x1p-45;
constexpr double kRequiredAccuracy = 0x1p-30;

} // namespace

bool CoefficientRefinement::isNeeded(const SubsetTriangle& triangle, const Block& inverse,
                                     const Vector& parameters, double residualNorm) {
    const TriangularFactor& factor = triangle.factor();
    const Eigen::Index size = triangle.size() + 1;
    // Norms of the shifted columns at positions 0..k: the constant, then the signals.
    Vector norms = Vector::Zero();
    norms(0) = std::sqrt(static_cast<double>(factor.sampleCount()));
    for (Eigen::Index position = 1; position < size; ++position)
        norms(position) = factor.shiftedSignalNorm(triangle.signalAt(static_cast<int>(position)));
    // The reduction keeps column norms: the factor's lab column has the shifted lab's norm.
    const double labNorm = factor.triangle().col(TriangularFactor::kLabPosition).norm();
    const double dataScale = labNorm + parameters.cwiseAbs().dot(norms);

    // First-order perturbation of each parameter by a backward error of the data: through the
    // solution |R^-1| (||y|| + sum |p_i| ||x_i||), through the residual |R^-1 R^-T| ||x|| ||r||.
    const Block covariance = inverse * inverse.transpose();
    const Vector bound = kBackwardError * (inverse.rowwise().norm() * dataScale +
                                           covariance.cwiseAbs() * norms * residualNorm);

    // B mixes the constant with the coefficients weighted by the shifts.
    double constant = factor.labShift() + parameters(0);
    double constantBound = bound(0);
    for (Eigen::Index position = 1; position < size; ++position) {
        const double shift = factor.signalShift(triangle.signalAt(static_cast<int>(position)));
        constant -= parameters(position) * shift;
        constantBound += bound(position) * std::abs(shift);
        if (bound(position) > kRequiredAccuracy * std::abs(parameters(position)))
            return true;
    }
    return constantBound > kRequiredAccuracy * std::abs(constant);
}

CoefficientRefinement::Vector CoefficientRefinement::refine(const SubsetTriangle& triangle,
                                                            const Block& leading,
                                                            const Vector& parameters) {
    const int size = triangle.size() + 1;
    const TriangularFactor::Data& data = triangle.factor().data();
    std::array<const double*, TriangularFactor::kMaxLeading> columns{};
    for (int position = 0; position < size; ++position)
        columns[static_cast<size_t>(position)] = data.col(triangle.dataColumnAt(position)).data();
    const double* lab = data.col(TriangularFactor::kLabPosition).data();

    // The gradient X^T (y - X p), which would be zero at the exact solution.
    std::array<long double, TriangularFactor::kMaxLeading> gradient{};
    const auto count = static_cast<size_t>(size);
    for (Eigen::Index row = 0; row < data.rows(); ++row) {
        long double residual = lab[row];
        for (size_t position = 0; position < count; ++position)
            residual -= static_cast<long double>(parameters[static_cast<Eigen::Index>(position)]) *
                        columns[position][row];
        for (size_t position = 0; position < count; ++position)
            gradient[position] += columns[position][row] * residual;
    }

    // The correction solves R^T R d = X^T r.
    Vector correction = Vector::Zero();
    for (int position = 0; position < size; ++position)
        correction(position) = static_cast<double>(gradient[static_cast<size_t>(position)]);
    leading.transpose().triangularView<Eigen::Lower>().solveInPlace(correction);
    leading.triangularView<Eigen::Upper>().solveInPlace(correction);
    return parameters + correction;
}

} // namespace orvo::engine
