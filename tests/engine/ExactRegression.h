#pragma once

#include "EngineHarness.h"

#include <gmpxx.h>
#include <vector>

namespace orvo::test {

// The exact least-squares fit of one signal subset in rationals: every float is a rational,
// so this is the answer that the engine's double arithmetic approximates.
struct ExactFit {
    std::vector<mpq_class> parameters;      // B, then the coefficients by slot
    std::vector<mpq_class> varianceFactors; // diagonal of (X^T X)^-1, same order
    mpq_class residualSquares;
    mpq_class totalSquares;
    long degreesOfFreedom = 0;

    mpq_class correlationSquared() const { return 1 - residualSquares / totalSquares; }
    mpq_class standardErrorSquared() const { return residualSquares / degreesOfFreedom; }
    // index 0 is B, 1.. the slots
    mpq_class tSquared(size_t index) const;
    mpq_class fStatistic() const;
};

class ExactRegression {
public:
    explicit ExactRegression(const Points& points);
    // signals ascending, as in the slots of a result row
    ExactFit fit(const std::vector<int>& signals) const;

private:
    std::vector<std::vector<mpq_class>> m_gram; // of [1, SIG1..SIG10, lab]
    long m_points;
};

// |written - exact| / |exact|; pass a float's square to compare with an exact square.
double relativeError(double written, const mpq_class& exact);

} // namespace orvo::test
