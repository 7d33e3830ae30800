#include "ExactRegression.h"

#include <utility>

namespace orvo::test {

namespace {

constexpr size_t kColumns = 12;
constexpr size_t kLabColumn = 11;

// Solves A X = B for square A by Gauss-Jordan elimination; B is overwritten with X.
void solveInPlace(std::vector<std::vector<mpq_class>> a, std::vector<std::vector<mpq_class>>& b) {
    const size_t n = a.size();
    for (size_t column = 0; column < n; ++column) {
        size_t pivot = column;
        while (a[pivot][column] == 0)
            ++pivot;
        std::swap(a[pivot], a[column]);
        std::swap(b[pivot], b[column]);
        for (size_t row = 0; row < n; ++row) {
            if (row == column || a[row][column] == 0)
                continue;
            const mpq_class factor = a[row][column] / a[column][column];
            for (size_t k = column; k < n; ++k)
                a[row][k] -= factor * a[column][k];
            for (size_t k = 0; k < b[row].size(); ++k)
                b[row][k] -= factor * b[column][k];
        }
    }
    for (size_t row = 0; row < n; ++row) {
        for (auto& value : b[row])
            value /= a[row][row];
    }
}

} // namespace

mpq_class ExactFit::tSquared(int slot) const {
    const auto index = static_cast<size_t>(slot);
    return coefficients[index] * coefficients[index] /
           (standardErrorSquared() * coefficientVarianceFactors[index]);
}

mpq_class ExactFit::tConstantSquared() const {
    return constant * constant / (standardErrorSquared() * constantVarianceFactor);
}

mpq_class ExactFit::fStatistic() const {
    const auto variables = static_cast<long>(coefficients.size());
    return (totalSquares - residualSquares) / variables / standardErrorSquared();
}

ExactRegression::ExactRegression(const std::vector<Signals>& signals, const std::vector<float>& lab)
    : m_gram(kColumns, std::vector<mpq_class>(kColumns)), m_points(static_cast<long>(lab.size())) {
    for (size_t point = 0; point < lab.size(); ++point) {
        std::vector<mpq_class> row(kColumns);
        row[0] = 1;
        for (size_t signal = 0; signal < 10; ++signal)
            row[signal + 1] = mpq_class(signals[point][signal]);
        row[kLabColumn] = mpq_class(lab[point]);
        for (size_t i = 0; i < kColumns; ++i) {
            for (size_t j = i; j < kColumns; ++j)
                m_gram[i][j] += row[i] * row[j];
        }
    }
    for (size_t i = 0; i < kColumns; ++i) {
        for (size_t j = 0; j < i; ++j)
            m_gram[i][j] = m_gram[j][i];
    }
}

ExactFit ExactRegression::fit(const std::vector<int>& signals) const {
    std::vector<size_t> columns{0};
    for (const int signal : signals)
        columns.push_back(static_cast<size_t>(signal));
    const size_t size = columns.size();

    // Right-hand sides: X^T y, then the unit vectors for the inverse's diagonal.
    std::vector<std::vector<mpq_class>> gram(size, std::vector<mpq_class>(size));
    std::vector<std::vector<mpq_class>> rightSides(size, std::vector<mpq_class>(size + 1));
    for (size_t i = 0; i < size; ++i) {
        for (size_t j = 0; j < size; ++j)
            gram[i][j] = m_gram[columns[i]][columns[j]];
        rightSides[i][0] = m_gram[columns[i]][kLabColumn];
        rightSides[i][i + 1] = 1;
    }
    solveInPlace(gram, rightSides);

    ExactFit fit;
    fit.constant = rightSides[0][0];
    fit.constantVarianceFactor = rightSides[0][1];
    mpq_class explainedByFit = 0;
    for (size_t i = 0; i < size; ++i)
        explainedByFit += rightSides[i][0] * m_gram[columns[i]][kLabColumn];
    for (size_t i = 1; i < size; ++i) {
        fit.coefficients.push_back(rightSides[i][0]);
        fit.coefficientVarianceFactors.push_back(rightSides[i][i + 1]);
    }
    const mpq_class& labSquares = m_gram[kLabColumn][kLabColumn];
    const mpq_class& labSum = m_gram[0][kLabColumn];
    fit.residualSquares = labSquares - explainedByFit;
    fit.totalSquares = labSquares - labSum * labSum / m_points;
    fit.degreesOfFreedom = m_points - static_cast<long>(size);
    return fit;
}

double relativeError(double written, const mpq_class& exact) {
    const mpq_class difference = abs(mpq_class(written) - exact);
    if (exact == 0)
        return difference.get_d();
    return mpq_class(difference / abs(exact)).get_d();
}

double relativeErrorOfSquare(double written, const mpq_class& exactSquare) {
    return relativeError(written * written, exactSquare);
}

} // namespace orvo::test
