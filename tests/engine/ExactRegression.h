#pragma once

#include "EngineHarness.h"

#include <gmpxx.h>
#include <vector>

namespace orvo::test {

// The exact least-squares fit of one signal subset, in rationals. Every float is a rational,
// so this is the answer the engine's double arithmetic approximates.
struct ExactFit {
    std::vector<mpq_class> coefficients; // by slot
    mpq_class constant;
    mpq_class residualSquares;
    mpq_class totalSquares;
    std::vector<mpq_class> coefficientVarianceFactors; // diagonal of (X^T X)^-1, by slot
    mpq_class constantVarianceFactor;
    long degreesOfFreedom = 0;

    mpq_class correlationSquared() const { return 1 - residualSquares / totalSquares; }
    mpq_class standardErrorSquared() const { return residualSquares / degreesOfFreedom; }
    mpq_class tSquared(int slot) const;
    mpq_class tConstantSquared() const;
    mpq_class fStatistic() const;
};

// Exact rational least squares over the points of one data set, from its exact Gram matrix.
class ExactRegression {
public:
    ExactRegression(const std::vector<Signals>& signals, const std::vector<float>& lab);

    // signals in ascending order, as the slots of a result row.
    ExactFit fit(const std::vector<int>& signals) const;

private:
    // Gram matrix of [1, SIG1..SIG10, lab].
    std::vector<std::vector<mpq_class>> m_gram;
    long m_points;
};

// |written - exact| / |exact|, or |written| when the exact value is 0.
double relativeError(double written, const mpq_class& exact);
// Compares squares, for values whose exact form is a square root.
double relativeErrorOfSquare(double written, const mpq_class& exactSquare);

} // namespace orvo::test
