#pragma once

#include <Eigen/Core>

#include <array>
#include <cstddef>

namespace orvo {

// The arithmetic of one subset fit, for each number of kept signals with
// that size fixed at compile time: the small factor and solves unroll, and
// the passes over the points keep a block of points in registers.
struct SubsetKernels {
    static constexpr int kMaxSignals = 10;
    using Small = Eigen::Matrix<double, kMaxSignals, kMaxSignals>;
    using Columns = std::array<const double*, kMaxSignals>;

    // The kernels for count kept signals, 1..10.
    static const SubsetKernels& forCount(std::size_t count);

    // L^-1 of the Cholesky factor L of the cross products of the kept
    // signals (numbers 1..10), in the leading block of an identity; false
    // when a signal lies within the tolerance of the span of those before it.
    bool (*invertFactor)(const Small& gram, const int* kept, double tolerance,
                         Small& inverseFactor);
    // residuals = lab - the columns weighted by the coefficients.
    void (*residuals)(const double* lab, const Columns& columns, const double* coefficients,
                      Eigen::Index points, double* residuals);
    // leverages = 1 / points + |L^-1 x|^2, x a point's values in the columns.
    void (*leverages)(const Columns& columns, const Small& inverseFactor, Eigen::Index points,
                      double* leverages);
};

} // namespace orvo
