#include "EngineHarness.h"
#include "engine/regre.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sanitizer/asan_interface.h>

namespace orvo::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

bool allZero(const EngineHarness& harness) {
    return std::all_of(harness.results.begin(), harness.results.end(),
                       [](float value) { return value == 0; });
}

// Values that would change every result if the point took part in the fit.
Signals poison() {
    Signals signals{};
    signals.fill(1e6f);
    signals[0] = -3e5f;
    return signals;
}

// The good points interleaved with points that must not be used, and more outside the range
// on both sides, give exactly the result of the good points alone. The rows outside the range
// are poisoned for the address sanitizer: reading them fails the test.
TEST(PointSelection, OnlyUsablePointsInTheRangeAreFitted) {
    std::mt19937 random(11);
    const Points good = linearPoints(2, 0.3, random);
    EngineHarness alone(good);
    alone.fullRun(3);
    alone.run();

    EngineHarness mixed;
    const int before = 5;
    for (int point = 0; point < before; ++point)
        mixed.addPoint(poison(), kNaN);
    for (size_t point = 0; point < good.lab.size(); ++point) {
        mixed.addPoint(poison(), 5e5f, point % 2 == 0 ? 2.0f : 0.0f); // other grades
        mixed.addPoint(poison(), 0);                                  // disabled or no lab value
        mixed.addPoint(poison(), point % 2 == 0 ? kNaN : -kInf);
        Signals nonFinite = poison();
        nonFinite[point % 10] = point % 2 == 0 ? kInf : kNaN;
        mixed.addPoint(nonFinite, 5e5f);
        mixed.addPoint(good.signals[point], good.lab[point]);
    }
    mixed.fullRun(3);
    const size_t rangeEnd = mixed.matrix.size();
    for (int point = 0; point < 3; ++point)
        mixed.addPoint(poison(), 5e5f);
    mixed.params[13] = before + 1;
    const size_t beforeSize = before * 36 * sizeof(float);
    const size_t afterSize = (mixed.matrix.size() - rangeEnd) * sizeof(float);
    ASAN_POISON_MEMORY_REGION(mixed.matrix.data(), beforeSize);
    ASAN_POISON_MEMORY_REGION(mixed.matrix.data() + rangeEnd, afterSize);
    mixed.run();
    ASAN_UNPOISON_MEMORY_REGION(mixed.matrix.data(), beforeSize);
    ASAN_UNPOISON_MEMORY_REGION(mixed.matrix.data() + rangeEnd, afterSize);
    EXPECT_EQ(mixed.results, alone.results);
}

// Element 1 picks the lab column; element 9 adds the second grade.
TEST(PointSelection, LabQuantityAndSecondGrade) {
    std::mt19937 random(12);
    const Points points = linearPoints(1, 0.2, random);
    EngineHarness cons(points);
    cons.fullRun(2);
    cons.run();

    EngineHarness res2;
    for (size_t point = 0; point < points.lab.size(); ++point) {
        float* row = res2.addPoint(points.signals[point], 7.0f, point % 3 == 0 ? 2.0f : 1.0f);
        row[31] = points.lab[point];
    }
    res2.fullRun(2);
    res2.params[1] = 3;
    res2.params[9] = 2;
    res2.run();
    EXPECT_EQ(res2.results, cons.results);
    res2.params[9] = 0;
    res2.run();
    EXPECT_NE(res2.results, cons.results);
}

TEST(ControlBlock, InvalidBlocksReturnMinusOneAndZeroEveryRow) {
    std::mt19937 random(13);
    EngineHarness harness(linearPoints(1, 1, random));
    const std::vector<std::pair<size_t, int32_t>> invalid{
        {1, -1}, {1, 4},  {2, 0},    {2, 6},  {8, 0},  {8, 3},  {9, 1},
        {9, 3},  {13, 0}, {13, 201}, {14, 0}, {16, 2}, {16, -2}};
    for (const auto& [element, value] : invalid) {
        harness.fullRun(2);
        harness.params[element] = value;
        harness.results.fill(7.0f); // left from an earlier call
        EXPECT_EQ(harness.run(), -1) << element << " = " << value;
        EXPECT_TRUE(allZero(harness));
    }
    harness.fullRun(2);
    EXPECT_EQ(harness.step(1, 17), -1);
    EXPECT_EQ(harness.step(-1, -1), -1);
    EXPECT_EQ(regre(nullptr, harness.matrix.data(), harness.results.data()), -1);
    EXPECT_EQ(regre(harness.params.data(), nullptr, harness.results.data()), -1);
    EXPECT_EQ(regre(harness.params.data(), harness.matrix.data(), nullptr), -1);
}

TEST(ControlBlock, TooFewUsablePointsGiveNoCandidates) {
    std::mt19937 random(15);
    EngineHarness harness(linearPoints(1, 1, random));
    harness.fullRun(3);
    harness.params[14] = 3; // three signals and the constant need four points
    harness.results.fill(7.0f);
    EXPECT_EQ(harness.run(), 0);
    EXPECT_TRUE(allZero(harness));
}

} // namespace
} // namespace orvo::test
