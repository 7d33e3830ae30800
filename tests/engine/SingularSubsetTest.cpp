#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvo::test {
namespace {

int countAmong(const std::vector<int>& signals, std::initializer_list<int> among) {
    return static_cast<int>(std::count_if(signals.begin(), signals.end(), [among](int signal) {
        return std::find(among.begin(), among.end(), signal) != among.end();
    }));
}

bool allFinite(const EngineHarness& harness) {
    return std::all_of(harness.results.begin(), harness.results.end(),
                       [](float value) { return std::isfinite(value); });
}

// Signal 2 is constant and 3 zero; 4 repeats 1; 5 is proportional to 6; 7 = 8 + 2 * 9
// exactly in float, and 10 = 0.1 * 8 - 0.3 * 9 up to float rounding, so any three of 7..10
// are dependent.
EngineHarness singularSignals() {
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
    return harness;
}

class SingularSubsets : public testing::TestWithParam<int> {};

TEST_P(SingularSubsets, AreNeverListedAndNothingIsNotFinite) {
    EngineHarness harness = singularSignals();
    harness.fullRun(GetParam());
    // Valid subsets: up to one of 1 and 4, one of 5 and 6, and two of 7..10.
    const std::vector<int> validSubsets{8, 26, 40, 24, 0};
    EXPECT_EQ(harness.run(), std::min(17, validSubsets[static_cast<size_t>(GetParam() - 1)]));
    EXPECT_TRUE(allFinite(harness));
    for (const std::vector<int>& signals : harness.listedSignals()) {
        SCOPED_TRACE(testing::PrintToString(signals));
        EXPECT_EQ(countAmong(signals, {2, 3}), 0);
        EXPECT_LE(countAmong(signals, {1, 4}), 1);
        EXPECT_LE(countAmong(signals, {5, 6}), 1);
        EXPECT_LE(countAmong(signals, {7, 8, 9, 10}), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, SingularSubsets, testing::Range(1, 6));

// Powers x..x^5 on few points are ill-conditioned, not dependent. The other signals are
// zero, so that subset is the only candidate.
TEST(IllConditioned, PolynomialSignalsAreFitted) {
    for (const int points : {21, 200}) {
        EngineHarness harness;
        for (int x = 0; x < points; ++x) {
            Signals signals{};
            double lab = 1 + (x % 3);
            for (int power = 1; power <= 5; ++power) {
                signals[static_cast<size_t>(power - 1)] = static_cast<float>(std::pow(x, power));
                lab += std::pow(x, power);
            }
            harness.addPoint(signals, static_cast<float>(lab));
        }
        harness.fullRun(5);
        EXPECT_EQ(harness.run(), 1) << points << " points";
        EXPECT_EQ(harness.row(0).signals(), (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_GT(harness.row(0).standardError(), 0);
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
    EXPECT_EQ(countAmong(harness.row(0).signals(), {1}), 0);
}

} // namespace
} // namespace orvo::test
