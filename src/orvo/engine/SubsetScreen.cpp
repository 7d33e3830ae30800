#include <orvo/engine/SubsetFitCalculator.h>
#include <orvo/engine/SubsetScreen.h>

#include <algorithm>
#include <cmath>

namespace orvo::engine {

namespace {

// Stands for the backward errors: about 30 u on the cross products and 150 u for the up to 25
// rotations of an exact fit, u = 2^-53, with the factors of 2 of the bounds below.
constexpr double kErrorBound = 0x1p-40;

double square(double value) {
    return value * value;
}

} // namespace

SubsetScreen::SubsetScreen(const TriangularFactor& factor, int size)
    : m_size(size), m_alwaysExact(factor.sampleCount() == size + 1) {
    const TriangularFactor::Triangle& triangle = factor.triangle();
    m_levels[0] = factor.crossProducts();
    for (size_t depth = 1; depth < m_levels.size(); ++depth)
        m_levels[depth].setZero();
    for (int index = 0; index < kSignals; ++index) {
        m_columnSquares(index) = triangle.col(index + 1).squaredNorm();
        m_dependencySquares(index) =
            square(SubsetFitCalculator::kDependencyTolerance * factor.signalNorm(index + 1));
    }
    m_labSquares = triangle.col(TriangularFactor::kLabPosition).squaredNorm();
    m_subsets.reserve(kMaxSubsets);
    visit(0, -1, 1.0, SignalSubset());
}

// Tries each next signal after index last; depth signals are chosen, inverseBound is F.
void SubsetScreen::visit(int depth, int last, double inverseBound, SignalSubset chosen) {
    const Level& level = m_levels[static_cast<size_t>(depth)];
    // The constant and the chosen signals span the columns projected out.
    const double spanning = depth + 1;
    for (int index = last + 1; index <= kSignals - m_size + depth; ++index) {
        const double pivot = level(index, index);
        const double columnSquares = m_columnSquares(index);
        const double error = kErrorBound * columnSquares * (1 + spanning * inverseBound);
        if (columnSquares == 0 || 2 * pivot + error <= m_dependencySquares(index))
            continue;
        const SignalSubset next = chosen.with(index + 1);
        // gap / columnSquares is the smallest the squared relative distance can be.
        const double gap = pivot - error;
        if (depth + 1 == m_size) {
            addLastSignal(level, index, inverseBound, gap >= pivot / 2, next);
            continue;
        }
        const double nextBound = (inverseBound + 1) * columnSquares / gap;
        if (!(gap > 0) || !std::isfinite(nextBound)) {
            addUnbounded(depth + 1, index, next);
        } else {
            eliminate(depth, index);
            visit(depth + 1, index, nextBound, next);
        }
    }
}

// Projects the column of index out of the columns after it, into the next level. A level whose
// children are subsets needs only its diagonal and its lab column.
void SubsetScreen::eliminate(int depth, int index) {
    const Level& level = m_levels[static_cast<size_t>(depth)];
    Level& next = m_levels[static_cast<size_t>(depth + 1)];
    const auto column = level.col(index);
    const double inverse = 1 / level(index, index);
    next.col(kLab) = level.col(kLab) - column * (level(index, kLab) * inverse);
    if (depth + 2 == m_size) {
        for (int after = index + 1; after < kLab; ++after)
            next(after, after) = level(after, after) - square(level(after, index)) * inverse;
        return;
    }
    // Entries for the index and those before it are left as they are: nothing reads them.
    for (int after = index + 1; after < kLab; ++after)
        next.col(after) = level.col(after) - column * (level(index, after) * inverse);
}

// Adds the subset whose last signal is index, with the lower bound of its residual. With at
// most half the pivot lost to the error, 2 columnSquares / pivot bounds 1 / d^2 and one division
// serves both the residual and F.
void SubsetScreen::addLastSignal(const Level& level, int index, double inverseBound,
                                 bool smallError, SignalSubset subset) {
    const double inversePivot = 1 / level(index, index);
    const double coupling = level(index, kLab);
    const double residual = level(kLab, kLab) - coupling * coupling * inversePivot;
    const double lastBound = (inverseBound + 1) * 2 * m_columnSquares(index) * inversePivot;
    const double scaleSquares = 2 * m_labSquares * (1 + (m_size + 1) * lastBound);
    double bound = residual - kErrorBound * (std::max(residual, 0.0) + scaleSquares);
    const double exactFitSquares = square(2 * SubsetFitCalculator::kExactFitTolerance);
    if (m_alwaysExact || !smallError || !(bound > exactFitSquares * scaleSquares))
        bound = 0;
    m_subsets.push_back({subset, bound});
}

// Keeps every completion with no bound; a zero column still makes a subset dependent.
void SubsetScreen::addUnbounded(int depth, int last, SignalSubset chosen) {
    if (depth == m_size) {
        m_subsets.push_back({chosen, 0});
        return;
    }
    for (int index = last + 1; index <= kSignals - m_size + depth; ++index) {
        if (m_columnSquares(index) != 0)
            addUnbounded(depth + 1, index, chosen.with(index + 1));
    }
}

} // namespace orvo::engine
