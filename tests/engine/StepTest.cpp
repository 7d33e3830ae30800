#include "EngineHarness.h"
#include "ExactRegression.h"
#include "SampleData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvo::test {
namespace {

class Step : public testing::Test {
protected:
    void SetUp() override {
        std::mt19937 random(31);
        m_data = linearData(4, 1, random);
        m_data.addTo(m_harness);
    }

    // Runs a full run, then a step from the given row; returns the stepped-from signals.
    std::vector<int> stepFrom(int variables, int mode, int row, int newVariables) {
        m_harness.fullRun(variables);
        m_harness.run();
        const std::vector<int> origin = m_harness.result(row).signals();
        m_harness.step(mode, row, newVariables);
        return origin;
    }

    // The listed candidates are exactly the expected subsets, ranked, and correct.
    void expectCandidates(std::vector<std::vector<int>> expected) {
        std::vector<std::vector<int>> listed = m_harness.listedSignals();
        for (size_t row = 1; row < listed.size(); ++row)
            EXPECT_GE(m_harness.result(static_cast<int>(row) - 1).correlation(),
                      m_harness.result(static_cast<int>(row)).correlation());
        const ExactRegression exact(m_data.signals, m_data.lab);
        for (size_t row = 0; row < listed.size(); ++row) {
            const ResultRow result = m_harness.result(static_cast<int>(row));
            const ExactFit fit = exact.fit(listed[row]);
            EXPECT_LE(relativeError(result.constant(), fit.constant), 5e-7);
            EXPECT_LE(relativeErrorOfSquare(result.correlation(), fit.correlationSquared()), 5e-7);
        }
        std::sort(listed.begin(), listed.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(listed, expected);
    }

    SampleData m_data;
    EngineHarness m_harness;
};

TEST_F(Step, ForwardAddsEachRemainingSignalToTheRow) {
    const std::vector<int> origin = stepFrom(2, 1, 4, 3);
    EXPECT_EQ(m_harness.run(), 8);
    std::vector<std::vector<int>> expected;
    for (int signal = 1; signal <= 10; ++signal) {
        if (std::find(origin.begin(), origin.end(), signal) != origin.end())
            continue;
        std::vector<int> subset = origin;
        subset.push_back(signal);
        std::sort(subset.begin(), subset.end());
        expected.push_back(subset);
    }
    expectCandidates(expected);
    EXPECT_TRUE(m_harness.result(8).isZero());
}

TEST_F(Step, BackDropsEachSignalOfTheRowInTurn) {
    const std::vector<int> origin = stepFrom(4, -1, 16, 3);
    EXPECT_EQ(m_harness.run(), 4);
    std::vector<std::vector<int>> expected;
    for (size_t dropped = 0; dropped < origin.size(); ++dropped) {
        std::vector<int> subset = origin;
        subset.erase(subset.begin() + static_cast<std::ptrdiff_t>(dropped));
        expected.push_back(subset);
    }
    expectCandidates(expected);
}

// The row's own signal count decides the new size, whatever element 2 says.
TEST_F(Step, TheRowDecidesTheNewSize) {
    stepFrom(2, 1, 0, 5);
    EXPECT_EQ(m_harness.run(), 8);
    EXPECT_EQ(m_harness.result(0).signals().size(), 3u);
}

struct NoStep {
    std::string name;
    int variables;
    int mode;
    int row;
    float signalValue = 0; // written into the row's first slot when not 0

    friend void PrintTo(const NoStep& step, std::ostream* out) { *out << step.name; }
};

class StepWithoutCandidates : public Step, public testing::WithParamInterface<NoStep> {};

TEST_P(StepWithoutCandidates, ZerosEveryRow) {
    const NoStep& step = GetParam();
    stepFrom(step.variables, step.mode, step.row, step.variables);
    if (step.signalValue != 0)
        m_harness.results()[static_cast<size_t>(step.row) * 20 + 15] = step.signalValue;
    EXPECT_EQ(m_harness.run(), 0);
    for (int row = 0; row < 17; ++row)
        EXPECT_TRUE(m_harness.result(row).isZero());
}

INSTANTIATE_TEST_SUITE_P(Engine, StepWithoutCandidates,
                         testing::Values(NoStep{"ForwardFromFive", 5, 1, 0},
                                         NoStep{"BackFromOne", 1, -1, 0},
                                         NoStep{"FromEmptyRow", 1, 1, 12},
                                         NoStep{"SignalAboveTen", 2, 1, 0, 11},
                                         NoStep{"FractionalSignal", 2, 1, 0, 2.5f},
                                         NoStep{"NegativeSignal", 2, -1, 0, -3}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace orvo::test
