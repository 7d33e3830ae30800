#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sanitizer/asan_interface.h>

namespace orvo::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The good points, of grades 1 and 2 with the lab value in column 31 (element 1 = 3),
// interleaved with points that must not be used, and more outside the range on both sides,
// give exactly the result of the good points alone; without the second grade, that of those
// of grade 1. The rows outside the range are poisoned for the address sanitizer: reading them
// fails the test.
TEST(PointSelection, OnlyUsablePointsInTheRangeAreFitted) {
    std::mt19937 random(11);
    EngineHarness alone = linearPoints(2, 0.3, random);
    EngineHarness firstGrade;
    // Values that would change every result if the point took part in the fit.
    Signals poison{};
    poison.fill(1e6f);
    poison[0] = -3e5f;
    EngineHarness mixed;
    const auto add = [&mixed](const Signals& signals, float lab, float grade = 1) {
        float* row = mixed.addPoint(signals, 7.0f, grade); // lab quantity 0 must not be read
        row[31] = lab;
        return row;
    };
    const int before = 5;
    for (int point = 0; point < before; ++point)
        add(poison, kNaN);
    for (size_t point = 0; point < 200; ++point) {
        const float* good = &alone.matrix[point * 36];
        Signals signals{};
        std::copy_n(good + 5, 10, signals.begin());
        if (point % 2 == 1)
            firstGrade.addPoint(signals, good[28]);
        add(poison, 5e5f, point % 2 == 0 ? 3.0f : 0.0f); // other grades
        add(poison, 0);                                  // disabled or no lab value
        add(poison, point % 2 == 0 ? kNaN : -kInf);
        add(poison, 5e5f)[5 + point % 10] = point % 2 == 0 ? kInf : kNaN;
        add(signals, good[28], point % 2 == 0 ? 2.0f : 1.0f);
    }
    for (EngineHarness* reference : {&alone, &firstGrade}) {
        reference->fullRun(3);
        reference->run();
    }
    mixed.fullRun(3);
    const size_t rangeEnd = mixed.matrix.size();
    for (int point = 0; point < 3; ++point)
        add(poison, 5e5f);
    mixed.params[1] = 3;
    mixed.params[9] = 2;
    mixed.params[13] = before + 1;
    const size_t beforeSize = before * 36 * sizeof(float);
    const size_t afterSize = (mixed.matrix.size() - rangeEnd) * sizeof(float);
    ASAN_POISON_MEMORY_REGION(mixed.matrix.data(), beforeSize);
    ASAN_POISON_MEMORY_REGION(mixed.matrix.data() + rangeEnd, afterSize);
    mixed.run();
    EXPECT_EQ(mixed.results, alone.results);
    mixed.params[9] = 0;
    mixed.run();
    EXPECT_EQ(mixed.results, firstGrade.results);
    ASAN_UNPOISON_MEMORY_REGION(mixed.matrix.data(), beforeSize);
    ASAN_UNPOISON_MEMORY_REGION(mixed.matrix.data() + rangeEnd, afterSize);
}

TEST(ControlBlock, InvalidBlocksReturnMinusOneAndZeroEveryRow) {
    std::mt19937 random(13);
    EngineHarness harness = linearPoints(1, 1, random);
    const std::vector<std::pair<size_t, int32_t>> invalid{
        {1, -1}, {1, 4},  {2, 0},    {2, 6},  {8, 0},  {8, 3},  {9, 1},
        {9, 3},  {13, 0}, {13, 201}, {14, 0}, {16, 2}, {16, -2}};
    for (const auto& [element, value] : invalid) {
        harness.fullRun(2);
        harness.params[element] = value;
        harness.results.fill(7.0f); // left from an earlier call
        EXPECT_EQ(harness.run(), -1) << element << " = " << value;
        EXPECT_TRUE(harness.zeroFrom(0));
    }
    harness.fullRun(2);
    EXPECT_EQ(harness.step(1, 17), -1);
    EXPECT_EQ(harness.step(-1, -1), -1);
    EXPECT_EQ(regre(nullptr, harness.matrix.data(), harness.results.data()), -1);
    EXPECT_EQ(regre(harness.params.data(), nullptr, harness.results.data()), -1);
    EXPECT_EQ(regre(harness.params.data(), harness.matrix.data(), nullptr), -1);
}

} // namespace
} // namespace orvo::test
