#include "EngineHarness.h"
#include "ExactRegression.h"
#include "SampleData.h"
#include "engine/RevolvingDoorOrder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvo::test {
namespace {

using engine::RevolvingDoorOrder;

// Listed rows hold their signals ascending in the first slots; every slot and row beyond
// them is zero.
void expectLayout(const EngineHarness& harness, int variables, int listed) {
    for (int row = 0; row < 17; ++row) {
        const ResultRow result = harness.result(row);
        if (row >= listed) {
            EXPECT_TRUE(result.isZero()) << "row " << row;
            continue;
        }
        const std::vector<int> signals = result.signals();
        ASSERT_EQ(static_cast<int>(signals.size()), variables) << "row " << row;
        EXPECT_TRUE(std::is_sorted(signals.begin(), signals.end()));
        EXPECT_EQ(std::adjacent_find(signals.begin(), signals.end()), signals.end());
        for (int slot = variables; slot < 5; ++slot) {
            EXPECT_EQ(result.values[15 + slot], 0);
            EXPECT_EQ(result.coefficient(slot), 0);
            EXPECT_EQ(result.tCoefficient(slot), 0);
        }
    }
}

class FullRun : public testing::TestWithParam<int> {};

// The rows are the best 17 of all subsets by the exact correlation, highest first.
TEST_P(FullRun, ListsTheBestSubsetsInOrder) {
    const int variables = GetParam();
    std::mt19937 random(21);
    const SampleData data = linearData(5, 2, random);
    EngineHarness harness;
    data.addTo(harness);
    harness.fullRun(variables);
    const int listed = variables == 1 ? 10 : 17;
    ASSERT_EQ(harness.run(), listed);
    expectLayout(harness, variables, listed);

    const ExactRegression exact(data.signals, data.lab);
    std::vector<mpq_class> correlations;
    for (const auto& subset : RevolvingDoorOrder::subsetsOfSize(variables))
        correlations.push_back(exact.fit(subset.signals()).correlationSquared());
    std::sort(correlations.rbegin(), correlations.rend());
    for (int row = 0; row < listed; ++row) {
        const float correlation = harness.result(row).correlation();
        EXPECT_LE(relativeErrorOfSquare(correlation, correlations[static_cast<size_t>(row)]), 5e-7)
            << "row " << row;
        if (row > 0)
            EXPECT_GE(harness.result(row - 1).correlation(), correlation);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, FullRun, testing::Range(1, 6));

// Equal correlations are ordered by the standard error, equal both by the signal list.
TEST(Ranking, TiesGoToTheSmallerErrorThenTheSmallerSignalList) {
    std::mt19937 random(22);
    std::uniform_real_distribution<float> noise(-1, 1);
    EngineHarness harness;
    for (int point = 0; point < 40; ++point) {
        Signals signals = randomSignals(random);
        const float lab = 100 * signals[0];
        // Both fit almost perfectly (correlation 1 as a float), signal 2 better than signal 1.
        signals[0] += 1e-5f * noise(random);
        signals[1] = lab / 100 + 1e-6f * noise(random);
        // Identical signals 3 and 4 tie exactly.
        signals[3] = signals[2];
        harness.addPoint(signals, lab);
    }
    harness.fullRun(1);
    harness.run();
    const auto listed = harness.listedSignals();
    ASSERT_GE(listed.size(), 4u);
    EXPECT_EQ(listed[0], std::vector<int>{2});
    EXPECT_EQ(listed[1], std::vector<int>{1});
    EXPECT_EQ(harness.result(0).correlation(), 1.0f);
    EXPECT_EQ(harness.result(1).correlation(), 1.0f);
    EXPECT_LT(harness.result(0).standardError(), harness.result(1).standardError());
    const auto three = std::find(listed.begin(), listed.end(), std::vector<int>{3});
    ASSERT_NE(three, listed.end());
    ASSERT_NE(three + 1, listed.end());
    EXPECT_EQ(*(three + 1), std::vector<int>{4});
}

} // namespace
} // namespace orvo::test
