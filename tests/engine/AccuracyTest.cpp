#include "EngineHarness.h"
#include "ExactRegression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvo::test {
namespace {

// Six significant digits of the exact least-squares answer on the same float data.
constexpr double kTolerance = 5e-7;

double squared(float value) {
    return static_cast<double>(value) * value; // exact
}

void expectMatches(const ResultRow& row, const ExactFit& fit) {
    const int variables = static_cast<int>(fit.parameters.size()) - 1;
    EXPECT_LE(relativeError(row.constant(), fit.parameters[0]), kTolerance);
    for (int slot = 0; slot < variables; ++slot)
        EXPECT_LE(relativeError(row.coefficient(slot), fit.parameters[slot + 1]), kTolerance);
    EXPECT_LE(relativeError(squared(row.correlation()), fit.correlationSquared()), kTolerance);
    if (fit.residualSquares == 0) {
        // Exact fit: t-values and tTot would be infinite and are written as 0.
        EXPECT_EQ(row.standardError(), 0);
        EXPECT_EQ(row.tTotal(), 0);
        EXPECT_EQ(row.tConstant(), 0);
        EXPECT_EQ(row.tCoefficient(0), 0);
        return;
    }
    EXPECT_LE(relativeError(squared(row.standardError()), fit.standardErrorSquared()), kTolerance);
    EXPECT_LE(relativeError(squared(row.tTotal()), fit.fStatistic()), kTolerance);
    EXPECT_LE(relativeError(squared(row.tConstant()), fit.tSquared(0)), kTolerance);
    for (int slot = 0; slot < variables; ++slot) {
        const auto index = static_cast<size_t>(slot + 1);
        EXPECT_LE(relativeError(squared(row.tCoefficient(slot)), fit.tSquared(index)), kTolerance);
    }
}

// x = 0..20 with SIG1..SIG5 = x..x^5 and random SIG6..SIG10; lab = 1 + x + .. + x^5 plus
// noise of alternating sign made exactly orthogonal to the powers. The fit on the powers then
// keeps coefficients near 1 under a residual as large as we like: the hardest case for the
// accuracy of small coefficients.
Points polynomialPoints(double noise, bool otherSignals, std::mt19937& random) {
    Points points;
    for (int x = 0; x <= 20; ++x) {
        Signals signals = otherSignals ? randomSignals(random) : Signals{};
        for (int power = 1; power <= 5; ++power)
            signals[static_cast<size_t>(power - 1)] = static_cast<float>(std::pow(x, power));
        points.signals.push_back(signals);
        points.lab.push_back(x % 2 == 0 ? 1.0f : -1.0f);
    }
    const ExactFit alternating = ExactRegression(points).fit({1, 2, 3, 4, 5});
    for (size_t x = 0; x < points.lab.size(); ++x) {
        mpq_class orthogonal = points.lab[x] - alternating.parameters[0];
        double lab = 1;
        for (size_t power = 1; power <= 5; ++power) {
            orthogonal -= alternating.parameters[power] * points.signals[x][power - 1];
            lab += points.signals[x][power - 1];
        }
        points.lab[x] = static_cast<float>(lab + noise * orthogonal.get_d());
    }
    return points;
}

// Every listed row of every subset size agrees with the exact fit of its own signals: on
// x..x^5 over 21 points with an exact fit and with noise of various sizes, on well-conditioned
// data, and on large lab values with a small spread.
TEST(Accuracy, EveryListedRowMatchesExactLeastSquares) {
    std::mt19937 random(20240611);
    const std::vector<std::pair<std::string, Points>> cases{
        {"exact polynomial", polynomialPoints(0, true, random)},
        {"polynomial, noise 1", polynomialPoints(1, true, random)},
        {"polynomial, noise 1e3", polynomialPoints(1e3, true, random)},
        {"polynomial, noise 1e6", polynomialPoints(1e6, true, random)},
        {"powers only, noise 2e7", polynomialPoints(2e7, false, random)},
        {"powers only, noise 2e9", polynomialPoints(2e9, false, random)},
        {"well conditioned", linearPoints(3, 0.5, random)},
        {"lab 1e6, noise 0.1", linearPoints(1e6, 0.1, random)},
        {"lab 4e6, float rounding only", linearPoints(4e6, 0, random)}};
    for (const auto& [name, points] : cases) {
        const ExactRegression exact(points);
        EngineHarness harness(points);
        for (int variables = 1; variables <= 5; ++variables) {
            harness.fullRun(variables);
            const int listed = harness.run();
            ASSERT_GT(listed, 0);
            for (int row = 0; row < listed; ++row) {
                SCOPED_TRACE(testing::Message()
                             << name << ", " << variables << " variables, row " << row);
                expectMatches(harness.row(row), exact.fit(harness.row(row).signals()));
            }
        }
    }
}

// With one point more than parameters every fit is exact.
TEST(ExactFit, OnePointMoreThanVariables) {
    std::mt19937 random(51);
    for (int variables = 1; variables <= 5; ++variables) {
        Points points;
        for (int point = 0; point <= variables; ++point) {
            points.signals.push_back(randomSignals(random));
            points.lab.push_back(static_cast<float>(point + 1));
        }
        const ExactRegression exact(points);
        EngineHarness harness(points);
        harness.fullRun(variables);
        const int listed = harness.run();
        ASSERT_GT(listed, 0);
        for (int row = 0; row < listed; ++row) {
            EXPECT_EQ(harness.row(row).correlation(), 1.0f);
            expectMatches(harness.row(row), exact.fit(harness.row(row).signals()));
        }
    }
}

// Whole-number signals keep the combination exact in float. The two signals spread far more
// than the lab value, so rounding in the reduction is large against the lab value's own
// variation: the fit must still count as exact.
TEST(ExactFit, LabValueThatIsADifferenceOfLargeSignals) {
    std::mt19937 random(52);
    std::uniform_int_distribution<int> large(-4000000, 4000000);
    std::uniform_int_distribution<int> small(0, 50);
    EngineHarness harness;
    for (int point = 0; point < 40; ++point) {
        Signals signals = randomSignals(random);
        signals[2] = static_cast<float>(large(random));
        signals[3] = signals[2] - static_cast<float>(small(random));
        harness.addPoint(signals, signals[2] - signals[3] + 100);
    }
    harness.fullRun(2);
    harness.run();
    EXPECT_EQ(harness.row(0).signals(), (std::vector<int>{3, 4}));
    EXPECT_EQ(harness.row(0).correlation(), 1.0f);
    EXPECT_EQ(harness.row(0).standardError(), 0.0f);
    EXPECT_EQ(harness.row(0).tTotal(), 0.0f);
    EXPECT_GT(harness.row(1).standardError(), 0);
}

} // namespace
} // namespace orvo::test
