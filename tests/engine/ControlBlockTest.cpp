#include "EngineHarness.h"
#include "SampleData.h"
#include "engine/regre.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvo::test {
namespace {

class ControlBlock : public testing::Test {
protected:
    void SetUp() override {
        std::mt19937 random(7);
        for (int point = 0; point < 30; ++point)
            m_harness.addPoint(randomSignals(random), static_cast<float>(point + 1));
        m_harness.fullRun(2);
        m_harness.results().fill(7.0f); // left over from an earlier call
    }

    bool resultsAllZero() {
        return std::all_of(m_harness.results().begin(), m_harness.results().end(),
                           [](float value) { return value == 0; });
    }

    EngineHarness m_harness;
};

struct InvalidElement {
    int element;
    int32_t value;
    int32_t mode = 0;
};

class InvalidControlBlock : public ControlBlock,
                            public testing::WithParamInterface<InvalidElement> {};

TEST_P(InvalidControlBlock, ReturnsMinusOneAndZerosEveryRow) {
    m_harness.params()[16] = GetParam().mode;
    m_harness.params()[static_cast<size_t>(GetParam().element)] = GetParam().value;
    EXPECT_EQ(m_harness.run(), -1);
    EXPECT_TRUE(resultsAllZero());
}

INSTANTIATE_TEST_SUITE_P(
    Engine, InvalidControlBlock,
    testing::Values(InvalidElement{1, -1}, InvalidElement{1, 4}, InvalidElement{2, 0},
                    InvalidElement{2, 6}, InvalidElement{8, 0}, InvalidElement{8, 3},
                    InvalidElement{9, 1}, InvalidElement{9, 3}, InvalidElement{13, 0},
                    InvalidElement{13, 31}, InvalidElement{14, 0}, InvalidElement{16, 2},
                    InvalidElement{16, -2}, InvalidElement{17, -1, 1}, InvalidElement{17, 17, -1}));

TEST_F(ControlBlock, MissingBlocksAreRefusedWithoutCrashing) {
    EXPECT_EQ(regre(nullptr, m_harness.matrix().data(), m_harness.results().data()), -1);
    EXPECT_TRUE(resultsAllZero());
    m_harness.results().fill(7.0f);
    EXPECT_EQ(regre(m_harness.params().data(), nullptr, m_harness.results().data()), -1);
    EXPECT_TRUE(resultsAllZero());
    EXPECT_EQ(regre(m_harness.params().data(), m_harness.matrix().data(), nullptr), -1);
}

TEST_F(ControlBlock, ReturnsTheNumberOfRowsWritten) {
    EXPECT_EQ(m_harness.run(), 17);
    m_harness.fullRun(1);
    EXPECT_EQ(m_harness.run(), 10);
    EXPECT_FALSE(m_harness.result(9).isZero());
    EXPECT_TRUE(m_harness.result(10).isZero());
}

TEST_F(ControlBlock, ElementsThatCarryNothingAreIgnored) {
    m_harness.run();
    const auto expected = m_harness.results();
    for (const size_t element : {0, 3, 4, 5, 6, 7, 10, 11, 12, 15, 17, 18})
        m_harness.params()[element] = 1;
    m_harness.run();
    EXPECT_EQ(m_harness.results(), expected);
}

TEST_F(ControlBlock, TooFewUsablePointsGiveNoCandidates) {
    m_harness.params()[14] = 3; // three signals and the constant need four points
    m_harness.params()[2] = 3;
    EXPECT_EQ(m_harness.run(), 0);
    EXPECT_TRUE(resultsAllZero());
}

} // namespace
} // namespace orvo::test
