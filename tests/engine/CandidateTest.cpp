#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>

namespace orvo::test {
namespace {

bool allFinite(const EngineHarness& harness) {
    return std::ranges::all_of(harness.results, [](float value) { return std::isfinite(value); });
}

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
    ASSERT_EQ(harness.run(), 10);
    const auto listed = harness.listedSignals();
    EXPECT_EQ(listed[0], std::vector<int>{2});
    EXPECT_EQ(listed[1], std::vector<int>{1});
    EXPECT_EQ(harness.row(1)[kCorrelation], 1.0f);
    const auto three = std::find(listed.begin(), listed.end(), std::vector<int>{3});
    ASSERT_LT(three - listed.begin(), 9);
    EXPECT_EQ(*(three + 1), std::vector<int>{4});
}

// A step reads its row before overwriting the block and tries the row's signals plus each
// other signal, or less each one: the row's own count decides the new size, not element 2.
TEST(Step, ForwardAddsEachOtherSignalAndBackDropsEachInTurn) {
    std::mt19937 random(31);
    EngineHarness harness = linearPoints(4, 1, random);
    for (const auto& [variables, mode] : {std::pair{2, 1}, std::pair{4, -1}}) {
        harness.fullRun(variables);
        harness.run();
        const std::vector<int> origin = harness.listedSignals()[4];
        std::set<std::vector<int>> expected;
        for (int signal = 1; signal <= 10; ++signal) {
            std::set<int> subset(origin.begin(), origin.end());
            if (mode > 0 ? subset.insert(signal).second : subset.erase(signal) == 1)
                expected.emplace(subset.begin(), subset.end());
        }
        harness.params[2] = mode > 0 ? 5 : 1; // would forbid the step if it counted
        ASSERT_EQ(harness.step(mode, 4), static_cast<int>(expected.size()));
        const auto listed = harness.listedSignals();
        EXPECT_EQ(listed.size(), expected.size());
        EXPECT_EQ(std::set(listed.begin(), listed.end()), expected);
        EXPECT_TRUE(harness.zeroFrom(static_cast<int>(expected.size())));
        for (int index = 1; index < static_cast<int>(listed.size()); ++index)
            EXPECT_GE(harness.row(index - 1)[kCorrelation], harness.row(index)[kCorrelation]);
    }
}

TEST(NoCandidates, EveryRowIsZero) {
    std::mt19937 random(32);
    EngineHarness harness = linearPoints(4, 1, random);
    // Full run size, mode, row stepped from, a value put in its first slot, last point.
    const std::vector<std::tuple<std::string, int, int, int, float, int>> cases{
        {"forward from five signals", 5, 1, 0, 0.0f, 200},
        {"back from one signal", 1, -1, 0, 0.0f, 200},
        {"from an empty row", 1, 1, 12, 0.0f, 200},
        {"from a row with signal 11", 2, 1, 0, 11.0f, 200},
        {"from a row with signal 2.5", 2, -1, 1, 2.5f, 200},
        {"fewer usable points than parameters", 3, 0, 0, 0.0f, 3}};
    for (const auto& [name, variables, mode, row, firstSlot, lastPoint] : cases) {
        harness.fullRun(variables);
        harness.run();
        if (firstSlot != 0)
            harness.results[static_cast<size_t>(row) * 20 + kFirstSignal] = firstSlot;
        harness.params[14] = lastPoint;
        EXPECT_EQ(harness.step(mode, row), 0) << name;
        EXPECT_TRUE(harness.zeroFrom(0)) << name;
    }
}

// Signal 2 is constant and 3 zero; 4 repeats 1; 5 is proportional to 6; 7 = 8 + 2 * 9
// exactly in float, and 10 = 0.1 * 8 - 0.3 * 9 up to float rounding, so any three of 7..10
// are dependent. Valid: neither 2 nor 3, at most one of 1 and 4, of 5 and 6, two of 7..10.
TEST(SingularSubsets, AreNeverListedAndNothingIsNotFinite) {
    std::mt19937 random(41);
    std::uniform_int_distribution<int> whole(-1000, 1000);
    EngineHarness harness;
    for (int point = 0; point < 30; ++point) {
        Signals s = randomSignals(random);
        s[1] = 5;
        s[2] = 0;
        s[3] = s[0];
        s[4] = 3 * s[5];
        s[7] = static_cast<float>(whole(random));
        s[8] = static_cast<float>(whole(random));
        s[6] = s[7] + 2 * s[8];
        s[9] = 0.1f * s[7] - 0.3f * s[8];
        harness.addPoint(s, 1 + s[0] + s[5] + 0.01f * s[7] + 0.02f * s[8] + s[9]);
    }
    const auto count = [](const std::vector<int>& signals, std::initializer_list<int> among) {
        return std::ranges::count_if(signals, [&](int s) { return std::ranges::count(among, s); });
    };
    const std::array validSubsets{8, 26, 40, 24, 0};
    for (int variables = 1; variables <= 5; ++variables) {
        harness.fullRun(variables);
        EXPECT_EQ(harness.run(), std::min(17, validSubsets[static_cast<size_t>(variables - 1)]));
        EXPECT_TRUE(allFinite(harness));
        for (const std::vector<int>& signals : harness.listedSignals()) {
            EXPECT_TRUE(count(signals, {2, 3}) == 0 && count(signals, {1, 4}) <= 1 &&
                        count(signals, {5, 6}) <= 1 && count(signals, {7, 8, 9, 10}) <= 2)
                << testing::PrintToString(signals);
        }
    }
}

// A fit whose values would not be finite floats is not a candidate.
TEST(Overflow, FitsBeyondFloatRangeAreNotListed) {
    std::mt19937 random(42);
    EngineHarness harness;
    for (int point = 0; point < 20; ++point) {
        Signals signals = randomSignals(random);
        signals[0] *= 1e-30f;
        harness.addPoint(signals, 1e30f * signals[0] * 1e30f);
    }
    harness.fullRun(1);
    EXPECT_EQ(harness.run(), 9);
    EXPECT_TRUE(allFinite(harness));
    EXPECT_EQ(std::ranges::count(harness.listedSignals(), std::vector<int>{1}), 0);
}

} // namespace
} // namespace orvo::test
