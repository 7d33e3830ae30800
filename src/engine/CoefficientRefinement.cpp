#include "engine/CoefficientRefinement.h"

#include <Eigen/Dense>

#include <array>

namespace orvo::engine {

TriangularFactor::LeadingVector
CoefficientRefinement::refine(const TriangularFactor& factor,
                              const TriangularFactor::LeadingBlock& leading,
                              const TriangularFactor::LeadingVector& parameters) {
    const auto size = static_cast<int>(parameters.size());
    const TriangularFactor::Data& data = factor.data();
    std::array<const double*, TriangularFactor::kMaxLeading> columns{};
    for (int position = 0; position < size; ++position)
        columns[static_cast<size_t>(position)] = data.col(factor.dataColumnAt(position)).data();
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
    TriangularFactor::LeadingVector correction(size);
    for (int position = 0; position < size; ++position)
        correction(position) = static_cast<double>(gradient[static_cast<size_t>(position)]);
    leading.transpose().triangularView<Eigen::Lower>().solveInPlace(correction);
    leading.triangularView<Eigen::Upper>().solveInPlace(correction);
    return parameters + correction;
}

} // namespace orvo::engine
