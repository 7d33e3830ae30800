#include "EngineHarness.h"
#include "ExactRegression.h"
#include "SampleData.h"

#include <gtest/gtest.h>

#include <string>

namespace orvo::test {
namespace {

// Six significant digits of the exact least-squares answer on the same float data.
constexpr double kTolerance = 5e-7;

struct AccuracyCase {
    std::string name;
    SampleData data;

    friend void PrintTo(const AccuracyCase& accuracyCase, std::ostream* out) {
        *out << accuracyCase.name;
    }
};

std::vector<AccuracyCase> accuracyCases() {
    std::mt19937 random(20240611);
    return {
        {"PolynomialExact", polynomialData(0, random)},
        {"PolynomialTinyNoise", polynomialData(1, random)},
        {"PolynomialModerateNoise", polynomialData(1e3, random)},
        {"PolynomialLargeNoise", polynomialData(1e6, random)},
        {"PolynomialHugeNoise", polynomialData(1e8, random)},
        {"WellConditioned", linearData(3, 0.5, random)},
        {"LargeLabTinySpread", linearData(1e6, 0.1, random)},
        {"LargeLabExactSpread", linearData(4e6, 0, random)},
    };
}

class Accuracy : public testing::TestWithParam<AccuracyCase> {};

// Every listed row of every subset size agrees with the exact fit of its own signals.
TEST_P(Accuracy, EveryListedRowMatchesExactLeastSquares) {
    const SampleData& data = GetParam().data;
    const ExactRegression exact(data.signals, data.lab);
    EngineHarness harness;
    data.addTo(harness);
    for (int variables = 1; variables <= 5; ++variables) {
        harness.fullRun(variables);
        const int listed = variables == 1 ? 10 : 17;
        ASSERT_EQ(harness.run(), listed);
        for (int row = 0; row < listed; ++row) {
            const ResultRow result = harness.result(row);
            const ExactFit fit = exact.fit(result.signals());
            SCOPED_TRACE(testing::Message() << variables << " variables, row " << row);
            const auto expectNear = [](double error) {
                EXPECT_LE(error, kTolerance);
            };
            for (int slot = 0; slot < variables; ++slot)
                expectNear(relativeError(result.coefficient(slot), fit.coefficients[slot]));
            expectNear(relativeError(result.constant(), fit.constant));
            expectNear(relativeErrorOfSquare(result.correlation(), fit.correlationSquared()));
            if (fit.residualSquares == 0) {
                EXPECT_EQ(result.standardError(), 0);
                EXPECT_EQ(result.tTotal(), 0);
                continue;
            }
            expectNear(relativeErrorOfSquare(result.standardError(), fit.standardErrorSquared()));
            expectNear(relativeErrorOfSquare(result.tTotal(), fit.fStatistic()));
            for (int slot = 0; slot < variables; ++slot)
                expectNear(relativeErrorOfSquare(result.tCoefficient(slot), fit.tSquared(slot)));
            expectNear(relativeErrorOfSquare(result.tConstant(), fit.tConstantSquared()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, Accuracy, testing::ValuesIn(accuracyCases()),
                         [](const auto& info) { return info.param.name; });

void expectExactFit(const ResultRow& row) {
    EXPECT_EQ(row.correlation(), 1.0f);
    EXPECT_EQ(row.standardError(), 0.0f);
    EXPECT_EQ(row.tTotal(), 0.0f);
    EXPECT_EQ(row.tConstant(), 0.0f);
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(row.tCoefficient(slot), 0.0f);
}

TEST(ExactFit, OnePointMoreThanVariablesFitsExactly) {
    std::mt19937 random(51);
    for (int variables = 1; variables <= 5; ++variables) {
        SampleData data;
        for (int point = 0; point <= variables; ++point) {
            data.signals.push_back(randomSignals(random));
            data.lab.push_back(static_cast<float>(point + 1));
        }
        const ExactRegression exact(data.signals, data.lab);
        EngineHarness harness;
        data.addTo(harness);
        harness.fullRun(variables);
        const int listed = harness.run();
        ASSERT_GT(listed, 0);
        for (int row = 0; row < listed; ++row) {
            SCOPED_TRACE(testing::Message() << variables << " variables, row " << row);
            const ResultRow result = harness.result(row);
            expectExactFit(result);
            const ExactFit fit = exact.fit(result.signals());
            for (int slot = 0; slot < variables; ++slot)
                EXPECT_LE(relativeError(result.coefficient(slot), fit.coefficients[slot]),
                          kTolerance);
        }
    }
}

// Whole-number signals keep the combinations exact in float. In the second case the signals'
// spread is far larger than the lab value's, so rounding in the reduction is large against
// the lab value's own variation: the fit must still be recognised as exact.
TEST(ExactFit, LabValueThatIsACombinationOfSignalsFitsExactly) {
    std::mt19937 random(52);
    std::uniform_int_distribution<int> whole(-1000, 1000);
    std::uniform_int_distribution<int> large(-4000000, 4000000);
    std::uniform_int_distribution<int> small(0, 50);
    for (const auto& [labOf, expected] :
         {std::pair{+[](const Signals& s) { return 7 * s[0] - 3 * s[1] + 5; }, std::vector{1, 2}},
          std::pair{+[](const Signals& s) { return s[2] - s[3] + 2; }, std::vector{3, 4}}}) {
        EngineHarness harness;
        for (int point = 0; point < 40; ++point) {
            Signals signals = randomSignals(random);
            signals[0] = static_cast<float>(whole(random));
            signals[1] = static_cast<float>(whole(random));
            signals[2] = static_cast<float>(large(random));
            signals[3] = signals[2] - static_cast<float>(small(random));
            harness.addPoint(signals, labOf(signals));
        }
        harness.fullRun(2);
        harness.run();
        EXPECT_EQ(harness.result(0).signals(), expected);
        expectExactFit(harness.result(0));
        EXPECT_GT(harness.result(1).standardError(), 0);
    }
}

} // namespace
} // namespace orvo::test
