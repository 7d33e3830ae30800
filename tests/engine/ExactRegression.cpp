#include "ExactRegression.h"

namespace orvo::test {

namespace {

constexpr size_t kLab = 11;

// Gauss-Jordan elimination: solves A X = B, leaving X in B.
void solve(std::vector<std::vector<mpq_class>> a, std::vector<std::vector<mpq_class>>& b) {
    const size_t n = a.size();
    for (size_t column = 0; column < n; ++column) {
        size_t pivot = column;
        while (a[pivot][column] == 0)
            ++pivot;
        std::swap(a[pivot], a[column]);
        std::swap(b[pivot], b[column]);
        for (size_t row = 0; row < n; ++row) {
            const mpq_class factor = a[row][column] / a[column][column];
            if (row == column || factor == 0)
                continue;
            for (size_t k = column; k < n; ++k)
                a[row][k] -= factor * a[column][k];
            for (size_t k = 0; k < b[row].size(); ++k)
                b[row][k] -= factor * b[column][k];
        }
    }
    for (size_t row = 0; row < n; ++row) {
        for (mpq_class& value : b[row])
            value /= a[row][row];
    }
}

} // namespace

mpq_class ExactFit::tSquared(size_t index) const {
    return parameters[index] * parameters[index] /
           (standardErrorSquared() * varianceFactors[index]);
}

mpq_class ExactFit::fStatistic() const {
    const auto variables = static_cast<long>(parameters.size() - 1);
    return (totalSquares - residualSquares) / variables / standardErrorSquared();
}

ExactRegression::ExactRegression(const Points& points)
    : m_gram(kLab + 1, std::vector<mpq_class>(kLab + 1)),
      m_points(static_cast<long>(points.lab.size())) {
    for (size_t point = 0; point < points.lab.size(); ++point) {
        std::vector<mpq_class> row{1};
        for (const float signal : points.signals[point])
            row.emplace_back(signal);
        row.emplace_back(points.lab[point]);
        for (size_t i = 0; i <= kLab; ++i) {
            for (size_t j = 0; j <= kLab; ++j)
                m_gram[i][j] += row[i] * row[j];
        }
    }
}

ExactFit ExactRegression::fit(const std::vector<int>& signals) const {
    std::vector<size_t> columns{0};
    columns.insert(columns.end(), signals.begin(), signals.end());
    const size_t size = columns.size();
    // Right-hand sides: X^T y, then the unit vectors for the inverse's diagonal.
    std::vector<std::vector<mpq_class>> gram(size, std::vector<mpq_class>(size));
    std::vector<std::vector<mpq_class>> sides(size, std::vector<mpq_class>(size + 1));
    for (size_t i = 0; i < size; ++i) {
        for (size_t j = 0; j < size; ++j)
            gram[i][j] = m_gram[columns[i]][columns[j]];
        sides[i][0] = m_gram[columns[i]][kLab];
        sides[i][i + 1] = 1;
    }
    solve(gram, sides);

    ExactFit fit;
    fit.residualSquares = m_gram[kLab][kLab];
    for (size_t i = 0; i < size; ++i) {
        fit.parameters.push_back(sides[i][0]);
        fit.varianceFactors.push_back(sides[i][i + 1]);
        fit.residualSquares -= sides[i][0] * m_gram[columns[i]][kLab];
    }
    fit.totalSquares = m_gram[kLab][kLab] - m_gram[0][kLab] * m_gram[0][kLab] / m_points;
    fit.degreesOfFreedom = m_points - static_cast<long>(size);
    return fit;
}

double relativeError(double written, const mpq_class& exact) {
    const mpq_class difference = abs(mpq_class(written) - exact);
    return exact == 0 ? difference.get_d() : mpq_class(difference / abs(exact)).get_d();
}

} // namespace orvo::test
