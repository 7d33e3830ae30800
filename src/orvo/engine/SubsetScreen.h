#pragma once

#include <orvo/engine/SignalSubset.h>
#include <orvo/engine/TriangularFactor.h>

#include <Eigen/Core>

#include <array>
#include <vector>

namespace orvo::engine {

// A subset the screen could not rule out, with a lower bound on the residual sum of squares
// that its exact fit will compute.
struct ScreenedSubset {
    SignalSubset signals;
    double residualBound = 0;
};

// Bounds the residual of every subset of one size at the cost of a few operations each. A
// depth-first walk over ascending signal lists keeps, at depth d, the cross products of the
// columns still to come after the constant and d signals are projected out (the Schur
// complements of a Cholesky factorisation of the factor's cross products), so a subset's
// residual is one division away from its parent's.
//
// Why no subset that belongs in the result is lost (first-order bounds, with a margin of more
// than 16 on the backward errors they stand for):
// - The screen and the exact fit are backward stable on the factor's triangle A: each is exact
//   for columns A_j moved by at most eps ||A_j||. That moves a residual norm by at most
//   eps S, and its square computed from cross products by eps S^2, where
//   S = ||A_y|| + sum |w_j| ||A_j|| and w are the subset's parameters.
// - S needs no solve: with unit columns, the subset's triangle T has ||T^-1||_F^2 <= F, where
//   F = 1 for the constant and each signal at relative distance d from the span before turns
//   F into (F + 1) / d^2. Then sum |w_j| ||A_j|| <= sqrt((k + 1) F) ||A_y||.
// - A subset is dropped only when a signal's distance is below the dependency tolerance by
//   more than both errors, so that the exact fit rejects it too. Every other subset is kept
//   with a lower bound on its exact residual: 0 when the exact-fit test could clear it or when
//   a distance is too small for F to be bounded.
class SubsetScreen {
public:
    SubsetScreen(const TriangularFactor& factor, int size);

    std::vector<ScreenedSubset>& subsets() { return m_subsets; }

private:
    static constexpr int kSignals = RunRequest::kSignalCount;
    static constexpr int kLab = kSignals; // the lab value's row and column in a level
    // Cross products of the signals (index = signal - 1) and the lab value; one row and column
    // of padding make the columns whole vector registers.
    using Level = TriangularFactor::CrossProducts;
    using Column = Eigen::Array<double, kSignals + 2, 1>;
    static constexpr size_t kMaxSubsets = 252; // of five signals, the most of any size

    void visit(int depth, int last, double inverseBound, SignalSubset chosen);
    void eliminate(int depth, int index);
    void addLastSignal(const Level& level, int index, double inverseBound, bool smallError,
                       SignalSubset subset);
    void addUnbounded(int depth, int last, SignalSubset chosen);

    int m_size;
    bool m_alwaysExact; // one point more than parameters
    std::array<Level, RunRequest::kMaxVariables> m_levels;
    Column m_columnSquares = Column::Zero();
    Column m_dependencySquares = Column::Zero();
    double m_labSquares;
    std::vector<ScreenedSubset> m_subsets;
};

} // namespace orvo::engine
