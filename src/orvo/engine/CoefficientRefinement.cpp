#include <orvo/engine/CoefficientRefinement.h>

#include <Eigen/Dense>

#include <algorithm>
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
    // The correction solves R^T R d = X^T r.
    Vector correction = gradientOf(triangle, parameters);
    leading.transpose().triangularView<Eigen::Lower>().solveInPlace(correction);
    leading.triangularView<Eigen::Upper>().solveInPlace(correction);
    return parameters + correction;
}

CoefficientRefinement::Vector CoefficientRefinement::gradientOf(const SubsetTriangle& triangle,
                                                                const Vector& parameters) {
    switch (triangle.size()) {
    case 1:
        return gradientOf<2>(triangle, parameters);
    case 2:
        return gradientOf<3>(triangle, parameters);
    case 3:
        return gradientOf<4>(triangle, parameters);
    case 4:
        return gradientOf<5>(triangle, parameters);
    default:
        return gradientOf<6>(triangle, parameters);
    }
}

// The gradient X^T (y - X p), which would be zero at the exact solution, padded with zeros.
// Residuals of a run of rows first, then their products: with a fixed column count each loop
// keeps its sums in registers. Position 0 is the constant column of ones, whose products are
// exact and so left out.
template <int Size>
CoefficientRefinement::Vector CoefficientRefinement::gradientOf(const SubsetTriangle& triangle,
                                                                const Vector& parameters) {
    const TriangularFactor::Data& data = triangle.factor().data();
    std::array<const double*, Size> columns{};
    for (int position = 1; position < Size; ++position)
        columns[static_cast<size_t>(position)] = data.col(triangle.dataColumnAt(position)).data();
    const double* lab = data.col(TriangularFactor::kLabPosition).data();

    constexpr Eigen::Index kRun = 64;
    std::array<long double, kRun> residuals;
    std::array<long double, Size> gradient{};
    for (Eigen::Index first = 0; first < data.rows(); first += kRun) {
        const Eigen::Index count = std::min(kRun, data.rows() - first);
        for (Eigen::Index row = 0; row < count; ++row) {
            long double residual = lab[first + row];
            residual -= static_cast<long double>(parameters(0));
            for (size_t position = 1; position < Size; ++position)
                residual -=
                    static_cast<long double>(parameters(position)) * columns[position][first + row];
            residuals[static_cast<size_t>(row)] = residual;
        }
        for (Eigen::Index row = 0; row < count; ++row) {
            const long double residual = residuals[static_cast<size_t>(row)];
            gradient[0] += residual;
            for (size_t position = 1; position < Size; ++position)
                gradient[position] += columns[position][first + row] * residual;
        }
    }
    Vector result = Vector::Zero();
    for (int position = 0; position < Size; ++position)
        result(position) = static_cast<double>(gradient[static_cast<size_t>(position)]);
    return result;
}

} // namespace orvo::engine
