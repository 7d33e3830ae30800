#include "EngineHarness.h"
#include "ExactRegression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <tuple>

namespace orvo::test {
namespace {

std::vector<std::vector<int>> subsetsOfSize(int size) {
    std::vector<std::vector<int>> subsets;
    for (unsigned bits = 0; bits < 1024; ++bits) {
        if (std::popcount(bits) != size)
            continue;
        subsets.emplace_back();
        for (int signal = 1; signal <= 10; ++signal) {
            if ((bits & (1u << (signal - 1))) != 0)
                subsets.back().push_back(signal);
        }
    }
    return subsets;
}

class FullRun : public testing::TestWithParam<int> {};

// The rows hold the best of all subsets by the exact correlation, highest first, with the
// signals ascending in the leading slots; every other slot and row is zero.
TEST_P(FullRun, ListsTheBestSubsetsInOrder) {
    const int variables = GetParam();
    std::mt19937 random(21);
    const Points points = linearPoints(5, 2, random);
    EngineHarness harness(points);
    harness.fullRun(variables);
    const int listed = harness.run();
    ASSERT_EQ(listed, variables == 1 ? 10 : 17);

    const ExactRegression exact(points);
    std::vector<mpq_class> best;
    for (const auto& subset : subsetsOfSize(variables))
        best.push_back(exact.fit(subset).correlationSquared());
    std::sort(best.rbegin(), best.rend());
    for (int index = 0; index < 17; ++index) {
        const ResultRow row = harness.row(index);
        if (index >= listed) {
            EXPECT_TRUE(row.isZero());
            continue;
        }
        const std::vector<int> signals = row.signals();
        EXPECT_EQ(static_cast<int>(signals.size()), variables);
        EXPECT_TRUE(std::is_sorted(signals.begin(), signals.end()));
        for (int slot = variables; slot < 5; ++slot)
            EXPECT_EQ(row.coefficient(slot), 0);
        const double square = static_cast<double>(row.correlation()) * row.correlation();
        EXPECT_LE(relativeError(square, best[static_cast<size_t>(index)]), 5e-7);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, FullRun, testing::Range(1, 6));

// Equal correlations go to the smaller standard error, equal both to the smaller signal list.
TEST(Ranking, TiesGoToTheSmallerErrorThenTheSmallerSignalList) {
    std::mt19937 random(22);
    std::uniform_real_distribution<float> noise(-1, 1);
    EngineHarness harness;
    for (int point = 0; point < 40; ++point) {
        Signals signals = randomSignals(random);
        const float lab = 100 * signals[0];
        // Both fit so well that the correlation is 1 as a float; signal 2 the better.
        signals[0] += 1e-5f * noise(random);
        signals[1] = lab / 100 + 1e-6f * noise(random);
        signals[3] = signals[2]; // signals 3 and 4 tie exactly
        harness.addPoint(signals, lab);
    }
    harness.fullRun(1);
    harness.run();
    const auto listed = harness.listedSignals();
    ASSERT_EQ(listed.size(), 10u);
    EXPECT_EQ(listed[0], std::vector<int>{2});
    EXPECT_EQ(listed[1], std::vector<int>{1});
    EXPECT_EQ(harness.row(1).correlation(), 1.0f);
    const auto three = std::find(listed.begin(), listed.end(), std::vector<int>{3});
    ASSERT_LT(three - listed.begin(), 9);
    EXPECT_EQ(*(three + 1), std::vector<int>{4});
}

// A step reads its row before overwriting the block. Element 2 keeps the full run's count
// here: the row's own count decides the new size.
TEST(Step, ForwardAddsEachOtherSignalAndBackDropsEachInTurn) {
    std::mt19937 random(31);
    EngineHarness harness(linearPoints(4, 1, random));
    for (const auto& [variables, mode, expected] : {std::tuple{2, 1, 8}, std::tuple{4, -1, 4}}) {
        harness.fullRun(variables);
        harness.run();
        const std::vector<int> origin = harness.row(4).signals();
        ASSERT_EQ(harness.step(mode, 4), expected);
        for (int index = 0; index < 17; ++index) {
            const std::vector<int> signals = harness.row(index).signals();
            if (index >= expected) {
                EXPECT_TRUE(harness.row(index).isZero());
                continue;
            }
            EXPECT_EQ(static_cast<int>(signals.size()), variables + mode);
            const auto& shorter = mode > 0 ? origin : signals;
            const auto& longer = mode > 0 ? signals : origin;
            EXPECT_TRUE(
                std::includes(longer.begin(), longer.end(), shorter.begin(), shorter.end()));
            if (index > 0)
                EXPECT_GE(harness.row(index - 1).correlation(), harness.row(index).correlation());
        }
        const auto listed = harness.listedSignals();
        EXPECT_EQ(std::set(listed.begin(), listed.end()).size(), listed.size());
    }
}

// Forward from five signals, back from one, from an empty row, and from rows that hold
// something other than signal numbers.
TEST(Step, WithoutCandidatesZerosEveryRow) {
    std::mt19937 random(32);
    EngineHarness harness(linearPoints(4, 1, random));
    for (const auto& [variables, mode, row, firstSlot] : {std::tuple{5, 1, 0, 0.0f},
                                                          {1, -1, 0, 0.0f},
                                                          {1, 1, 12, 0.0f},
                                                          {2, 1, 0, 11.0f},
                                                          {2, -1, 1, 2.5f}}) {
        harness.fullRun(variables);
        harness.run();
        if (firstSlot != 0)
            harness.results[static_cast<size_t>(row) * 20 + 15] = firstSlot;
        EXPECT_EQ(harness.step(mode, row), 0);
        for (int index = 0; index < 17; ++index)
            EXPECT_TRUE(harness.row(index).isZero()) << variables << " " << mode << " " << row;
    }
}

} // namespace
} // namespace orvo::test
