#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <gmpxx.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace orvo::test {
namespace {

struct ExactFit {
    std::vector<mpq_class> parameters; // by column, as asked for
    mpq_class residualSquares;
};

// Exact least squares in rationals: every float is a rational, so this is the answer that the
// engine's double arithmetic approximates. Statistics follow from nested fits: the total sum
// of squares is the residual of the constant alone, and t^2 of a parameter is the growth of
// the residual without it over the squared standard error.
class ExactRegression {
public:
    explicit ExactRegression(const EngineHarness& data) {
        for (auto point = data.matrix.begin(); point != data.matrix.end(); point += 36) {
            std::vector<mpq_class> row{1};
            row.insert(row.end(), point + 5, point + 15);
            row.emplace_back(point[28]);
            for (size_t i = 0; i <= kLab; ++i) {
                for (size_t j = 0; j <= kLab; ++j)
                    m_gram[i][j] += row[i] * row[j];
            }
        }
    }

    const mpq_class& points() const { return m_gram[0][0]; }

    // Columns of [1, SIG1..SIG10]: 0 the constant, then signal numbers. Gauss-Jordan on
    // [X^T X | X^T y]; X^T X is positive semidefinite, so a zero pivot means dependent columns.
    std::optional<ExactFit> fit(const std::vector<int>& columnList) const {
        const std::vector<size_t> columns(columnList.begin(), columnList.end());
        const size_t size = columns.size();
        std::vector<std::vector<mpq_class>> a(size, std::vector<mpq_class>(size + 1));
        for (size_t i = 0; i < size; ++i) {
            for (size_t j = 0; j < size; ++j)
                a[i][j] = m_gram[columns[i]][columns[j]];
            a[i][size] = m_gram[columns[i]][kLab];
        }
        for (size_t pivot = 0; pivot < size; ++pivot) {
            if (a[pivot][pivot] == 0)
                return std::nullopt;
            for (size_t row = 0; row < size; ++row) {
                if (row == pivot)
                    continue;
                const mpq_class factor = a[row][pivot] / a[pivot][pivot];
                for (size_t k = pivot; k <= size; ++k)
                    a[row][k] -= factor * a[pivot][k];
            }
        }
        ExactFit fit{{}, m_gram[kLab][kLab]};
        for (size_t i = 0; i < size; ++i) {
            fit.parameters.push_back(a[i][size] / a[i][i]);
            fit.residualSquares -= fit.parameters[i] * m_gram[columns[i]][kLab];
        }
        return fit;
    }

private:
    static constexpr size_t kLab = 11;
    std::array<std::array<mpq_class, kLab + 1>, kLab + 1> m_gram; // of [1, SIG1..SIG10, lab]
};

// |written - exact| / |exact|; pass a float's square to compare with an exact square.
double relativeError(double written, const mpq_class& exact) {
    const mpq_class difference = abs(mpq_class(written) - exact);
    return exact == 0 ? difference.get_d() : mpq_class(difference / abs(exact)).get_d();
}

// Six significant digits of the exact least-squares answer on the same float data.
constexpr double kTolerance = 5e-7;

void expectSquareMatches(float written, const mpq_class& exactSquare) {
    EXPECT_LE(relativeError(static_cast<double>(written) * written, exactSquare), kTolerance);
}

// A listed row against the exact fit of its own signals, which fill the leading slots in
// ascending order; the other slots are zero.
void expectMatches(Row row, const std::vector<int>& signals, const ExactRegression& exact) {
    const size_t variables = signals.size();
    EXPECT_TRUE(std::ranges::adjacent_find(signals, std::greater_equal<>()) == signals.end());
    std::vector<int> columns{0};
    columns.insert(columns.end(), signals.begin(), signals.end());
    const ExactFit fit = exact.fit(columns).value();
    EXPECT_LE(relativeError(row[kConstant], fit.parameters[0]), kTolerance);
    for (size_t slot = 0; slot < 5; ++slot) {
        if (slot < variables)
            EXPECT_LE(relativeError(row[slot], fit.parameters[slot + 1]), kTolerance);
        else
            EXPECT_TRUE(row[slot] == 0 && row[kFirstT + slot] == 0 && row[kFirstSignal + slot] == 0)
                << "slot " << slot;
    }
    if (fit.residualSquares == 0) {
        // Exact fit: R is 1; the standard error is 0, and so are the t-values and tTot, which
        // would be infinite.
        EXPECT_EQ(row[kCorrelation], 1.0f);
        for (size_t column = kStandardError; column < kFirstSignal; ++column)
            EXPECT_EQ(row[column], 0) << "column " << column;
        return;
    }
    // Squares hide signs: R, the standard error and tTot are not negative, and a t-value has
    // the sign of its parameter.
    EXPECT_TRUE(row[kCorrelation] > 0 && row[kStandardError] > 0 && row[kTTotal] > 0);
    const mpq_class total = exact.fit({0})->residualSquares;
    const mpq_class errorSquared = fit.residualSquares / (exact.points() - variables - 1);
    expectSquareMatches(row[kCorrelation], 1 - fit.residualSquares / total);
    expectSquareMatches(row[kStandardError], errorSquared);
    expectSquareMatches(row[kTTotal], (total - fit.residualSquares) / variables / errorSquared);
    for (size_t index = 0; index <= variables; ++index) {
        std::vector<int> reduced = columns;
        reduced.erase(reduced.begin() + static_cast<long>(index));
        const float t = row[index == 0 ? kTConstant : kFirstT + index - 1];
        EXPECT_GE(t * sgn(fit.parameters[index]), 0);
        expectSquareMatches(t, (exact.fit(reduced)->residualSquares - fit.residualSquares) /
                                   errorSquared);
    }
}

// x = 0..last with SIG1..SIG5 = x..x^5 and random or zero SIG6..SIG10; lab = 1 + x + .. + x^5
// plus noise of alternating sign made exactly orthogonal to the powers. The fit on the powers
// then keeps coefficients near 1 under a residual as large as we like: the hardest case for
// the accuracy of small coefficients.
EngineHarness polynomialPoints(double noise, bool otherSignals, std::mt19937& random,
                               int last = 20) {
    EngineHarness points;
    for (int x = 0; x <= last; ++x) {
        Signals signals = otherSignals ? randomSignals(random) : Signals{};
        for (int power = 1; power <= 5; ++power)
            signals[static_cast<size_t>(power - 1)] = static_cast<float>(std::pow(x, power));
        points.addPoint(signals, x % 2 == 0 ? 1.0f : -1.0f);
    }
    const ExactFit alternating = *ExactRegression(points).fit({0, 1, 2, 3, 4, 5});
    for (auto point = points.matrix.begin(); point != points.matrix.end(); point += 36) {
        mpq_class orthogonal = point[28] - alternating.parameters[0];
        double lab = 1;
        for (size_t power = 1; power <= 5; ++power) {
            orthogonal -= alternating.parameters[power] * point[4 + power];
            lab += point[4 + power];
        }
        point[28] = static_cast<float>(lab + noise * orthogonal.get_d());
    }
    return points;
}

// Whole-number signals keep lab = SIG3 - SIG4 + 100 exact in float while SIG3 and SIG4 spread
// far more than the lab value: rounding in the reduction is large against the lab value's own
// variation, and the fit must still count as exact.
EngineHarness differencePoints(std::mt19937& random) {
    std::uniform_int_distribution<int> large(-4000000, 4000000);
    std::uniform_int_distribution<int> small(0, 50);
    EngineHarness points;
    for (int point = 0; point < 40; ++point) {
        Signals signals = randomSignals(random);
        signals[2] = static_cast<float>(large(random));
        signals[3] = signals[2] - static_cast<float>(small(random));
        points.addPoint(signals, signals[2] - signals[3] + 100);
    }
    return points;
}

// A full run lists the subsets of the best exact correlation, best first, and a subset that
// fits exactly comes first. Every value of every row agrees with the exact fit of its signals.
TEST(Accuracy, EveryListedRowMatchesExactLeastSquares) {
    std::mt19937 random(20240611);
    const std::vector<int> powers{1, 2, 3, 4, 5};
    std::vector<std::tuple<std::string, EngineHarness, std::vector<int>>> cases{
        {"exact polynomial", polynomialPoints(0, true, random), powers},
        {"polynomial, noise 1", polynomialPoints(1, true, random), {}},
        {"polynomial, noise 1e3", polynomialPoints(1e3, true, random), {}},
        {"polynomial, noise 1e6", polynomialPoints(1e6, true, random), {}},
        // The other signals are zero: the powers are the only candidate of five.
        {"powers only, noise 2e7", polynomialPoints(2e7, false, random), powers},
        {"powers only, noise 2e9", polynomialPoints(2e9, false, random), powers},
        {"powers only, 200 points", polynomialPoints(1e3, false, random, 199), powers},
        {"well conditioned", linearPoints(3, 0.5, random), {}},
        {"lab 1e6, noise 0.1", linearPoints(1e6, 0.1, random), {}},
        {"lab 4e6, float rounding only", linearPoints(4e6, 0, random), {}},
        {"lab a difference of large signals", differencePoints(random), {3, 4}},
        // With one point more than the five variables that fit is exact whatever the data.
        {"six points", linearPoints(3, 0.5, random, 6), {}}};
    for (auto& [name, harness, first] : cases) {
        const ExactRegression exact(harness);
        const mpq_class total = exact.fit({0})->residualSquares;
        for (size_t variables = 1; variables <= 5; ++variables) {
            SCOPED_TRACE(testing::Message() << name << ", " << variables << " variables");
            std::vector<mpq_class> best; // residuals of all regular subsets, smallest first
            for (unsigned bits = 0; bits < 1024; ++bits) {
                std::vector<int> columns{0};
                for (int signal = 1; signal <= 10; ++signal) {
                    if ((bits >> (signal - 1) & 1) != 0)
                        columns.push_back(signal);
                }
                const auto fit =
                    columns.size() == variables + 1 ? exact.fit(columns) : std::nullopt;
                if (fit)
                    best.push_back(fit->residualSquares);
            }
            std::sort(best.begin(), best.end());
            harness.fullRun(static_cast<int>(variables));
            const auto listed = static_cast<size_t>(harness.run());
            const auto signals = harness.listedSignals();
            ASSERT_EQ(listed, std::min<size_t>(17, best.size()));
            ASSERT_EQ(signals.size(), listed);
            EXPECT_TRUE(harness.zeroFrom(static_cast<int>(listed)));
            if (first.size() == variables) {
                EXPECT_EQ(signals[0], first);
            }
            for (size_t row = 0; row < listed; ++row) {
                SCOPED_TRACE(testing::Message() << "row " << row);
                const Row written = harness.row(static_cast<int>(row));
                expectSquareMatches(written[kCorrelation], 1 - best[row] / total);
                expectMatches(written, signals[row], exact);
            }
        }
    }
}

} // namespace
} // namespace orvo::test
