#include "EngineHarness.h"
#include "SampleData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvo::test {
namespace {

int countListed(const std::vector<int>& signals, std::initializer_list<int> among) {
    return static_cast<int>(std::count_if(signals.begin(), signals.end(), [among](int signal) {
        return std::find(among.begin(), among.end(), signal) != among.end();
    }));
}

// Signal 2 is constant and 3 zero; 4 repeats 1; 5 is proportional to 6; 7 = 8 + 2 * 9
// exactly in float, so any three of 7, 8, 9 are dependent.
class SingularSubsets : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        std::mt19937 random(41);
        std::uniform_int_distribution<int> whole(-1000, 1000);
        for (int point = 0; point < 30; ++point) {
            Signals signals = randomSignals(random);
            signals[1] = 5;
            signals[2] = 0;
            signals[3] = signals[0];
            signals[4] = 3 * signals[5];
            signals[7] = static_cast<float>(whole(random));
            signals[8] = static_cast<float>(whole(random));
            signals[6] = signals[7] + 2 * signals[8];
            const float lab =
                1 + signals[0] + signals[5] + 0.01f * signals[7] + 0.02f * signals[8] + signals[9];
            m_harness.addPoint(signals, lab);
        }
    }

    EngineHarness m_harness;
};

TEST_P(SingularSubsets, AreNeverListed) {
    m_harness.fullRun(GetParam());
    EXPECT_GT(m_harness.run(), 0);
    EXPECT_TRUE(m_harness.allFinite());
    for (const std::vector<int>& signals : m_harness.listedSignals()) {
        SCOPED_TRACE(testing::PrintToString(signals));
        EXPECT_EQ(countListed(signals, {2, 3}), 0);
        EXPECT_LE(countListed(signals, {1, 4}), 1);
        EXPECT_LE(countListed(signals, {5, 6}), 1);
        EXPECT_LE(countListed(signals, {7, 8, 9}), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, SingularSubsets, testing::Range(1, 6));

TEST_F(SingularSubsets, EveryOtherSubsetIsListed) {
    m_harness.fullRun(1);
    EXPECT_EQ(m_harness.run(), 8);
    // One of 1 and 4, one of 5 and 6, two of 7, 8 and 9, and 10.
    m_harness.fullRun(5);
    EXPECT_EQ(m_harness.run(), 2 * 2 * 3);
}

// A signal that is a combination of others up to the rounding of float data carries nothing
// of its own.
TEST(SingularSubsetsRounded, CombinationUpToFloatRoundingIsRefused) {
    std::mt19937 random(43);
    EngineHarness harness;
    for (int point = 0; point < 50; ++point) {
        Signals signals{}; // signals 4..9 zero
        signals[0] = randomSignals(random)[0];
        signals[1] = randomSignals(random)[0];
        signals[2] = randomSignals(random)[0];
        signals[9] = 0.1f * signals[0] - 0.3f * signals[1];
        harness.addPoint(signals, signals[0] + signals[1] + 0.01f * signals[2]);
    }
    harness.fullRun(3);
    EXPECT_EQ(harness.run(), 3);
    auto listed = harness.listedSignals();
    std::sort(listed.begin(), listed.end());
    const std::vector<std::vector<int>> expected{{1, 2, 3}, {1, 3, 10}, {2, 3, 10}};
    EXPECT_EQ(listed, expected);
}

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
        EXPECT_EQ(harness.result(0).signals(), (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_GT(harness.result(0).standardError(), 0);
    }
}

// A fit whose values do not fit in a float is not a candidate.
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
    EXPECT_TRUE(harness.allFinite());
    EXPECT_EQ(countListed(harness.result(0).signals(), {1}), 0);
}

} // namespace
} // namespace orvo::test
