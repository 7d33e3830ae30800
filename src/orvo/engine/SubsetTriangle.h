#pragma once

#include <orvo/engine/SignalSubset.h>
#include <orvo/engine/TriangularFactor.h>

#include <Eigen/Core>

#include <array>

namespace orvo::engine {

// The triangle of the regression on one subset alone, taken from the factor of all signals:
// the factor's columns of the constant, of the subset's signals in ascending order and of the
// lab value, brought back to upper triangular form by rotations of adjacent rows. Position 0
// is the constant, positions 1..k the signals, and slot i of a result row is position i + 1.
// The rotations depend on the subset alone, so a subset gets the same fit in every call.
class SubsetTriangle {
public:
    using Block = TriangularFactor::LeadingBlock;
    using Vector = TriangularFactor::LeadingVector;

    SubsetTriangle(const TriangularFactor& factor, const SignalSubset& subset);

    const TriangularFactor& factor() const { return m_factor; }
    int size() const { return m_size; }
    int signalAt(int position) const { return m_columnAt[static_cast<size_t>(position)]; }
    // Column of the factor's data at a position: 0 for the constant, else the signal number.
    int dataColumnAt(int position) const { return m_columnAt[static_cast<size_t>(position)]; }
    // The (k+1)x(k+1) triangle and the lab value's first k+1 entries, padded.
    Block leading() const;
    Vector labHead() const;
    // Regression and residual sums of squares of the shifted lab value.
    double explainedSquares() const;
    double residualSquares() const;

private:
    // The constant, five signals and the lab value, and one column of padding that makes a row
    // whole vector registers.
    static constexpr int kColumns = TriangularFactor::kMaxLeading + 2;
    using Rows = Eigen::Matrix<double, TriangularFactor::kSize, kColumns, Eigen::RowMajor>;

    void eliminateBelowDiagonal(int position);

    const TriangularFactor& m_factor;
    int m_size;
    std::array<int, TriangularFactor::kMaxLeading> m_columnAt{};
    Rows m_rows;
};

} // namespace orvo::engine
