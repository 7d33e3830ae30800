#include "EngineHarness.h"
#include "SampleData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sanitizer/asan_interface.h>

namespace orvo::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Points that must not take part in the fit carry values that would change every result.
Signals poisonSignals() {
    Signals signals{};
    signals.fill(1e6f);
    signals[0] = -3e5f;
    return signals;
}

struct SelectionCase {
    std::string name;
    // Adds the points between good ones; the control block is set afterwards.
    std::function<void(EngineHarness&)> addExcluded;
    std::function<void(EngineHarness&)> adjustBlock = [](EngineHarness&) {
    };

    friend void PrintTo(const SelectionCase& selection, std::ostream* out) {
        *out << selection.name;
    }
};

class PointSelection : public testing::TestWithParam<SelectionCase> {};

// The run over good points mixed with excluded ones writes exactly what the run over the good
// points alone writes.
TEST_P(PointSelection, ExcludedPointsDoNotTakePartInTheFit) {
    std::mt19937 random(11);
    const SampleData good = linearData(2, 0.3, random);
    EngineHarness alone;
    good.addTo(alone);
    alone.fullRun(3);
    alone.run();

    EngineHarness mixed;
    for (size_t point = 0; point < 40; ++point) {
        GetParam().addExcluded(mixed);
        mixed.addPoint(good.signals[point], good.lab[point]);
    }
    for (size_t point = 40; point < good.lab.size(); ++point)
        mixed.addPoint(good.signals[point], good.lab[point]);
    mixed.fullRun(3);
    GetParam().adjustBlock(mixed);
    mixed.run();
    EXPECT_EQ(mixed.results(), alone.results());
}

Signals withSignal(int index, float value) {
    Signals signals = poisonSignals();
    signals[static_cast<size_t>(index)] = value;
    return signals;
}

INSTANTIATE_TEST_SUITE_P(Engine, PointSelection,
                         testing::Values(SelectionCase{"OtherGrades",
                                                       [](EngineHarness& h) {
                                                           h.addPoint(poisonSignals(), 5e5f, 2);
                                                           h.addPoint(poisonSignals(), 5e5f, 0);
                                                           h.addPoint(poisonSignals(), 5e5f, 3);
                                                       }},
                                         SelectionCase{"DisabledPoints",
                                                       [](EngineHarness& h) {
                                                           h.addPoint(poisonSignals(), 0);
                                                       }},
                                         SelectionCase{"NonFiniteLab",
                                                       [](EngineHarness& h) {
                                                           h.addPoint(poisonSignals(), kNaN);
                                                           h.addPoint(poisonSignals(), -kInf);
                                                       }},
                                         SelectionCase{"NonFiniteSignal",
                                                       [](EngineHarness& h) {
                                                           h.addPoint(withSignal(0, kNaN), 5e5f);
                                                           h.addPoint(withSignal(9, kInf), 5e5f);
                                                       }},
                                         SelectionCase{"OtherLabQuantity",
                                                       [](EngineHarness& h) {
                                                           // After the exchange below: a Cons
                                                           // value, but no Ash value.
                                                           const int point =
                                                               h.addPoint(poisonSignals(), 0);
                                                           h.row(point)[EngineHarness::kLab + 1] =
                                                               5e5f;
                                                       },
                                                       [](EngineHarness& h) {
                                                           // Ask for Ash and exchange the Cons and
                                                           // Ash columns.
                                                           h.params()[1] = 1;
                                                           for (size_t row = 0;
                                                                row < h.matrix().size() / 36; ++row)
                                                               std::swap(h.matrix()[row * 36 + 28],
                                                                         h.matrix()[row * 36 + 29]);
                                                       }}),
                         [](const auto& info) { return info.param.name; });

// Points of the second grade join those of the first when element 9 asks for them.
TEST(PointSelectionGrades, SecondGradeJoinsTheFirst) {
    std::mt19937 random(12);
    const SampleData data = linearData(1, 0.2, random);
    EngineHarness oneGrade;
    EngineHarness twoGrades;
    for (size_t point = 0; point < data.lab.size(); ++point) {
        oneGrade.addPoint(data.signals[point], data.lab[point], 1);
        twoGrades.addPoint(data.signals[point], data.lab[point], point % 3 == 0 ? 2.0f : 1.0f);
    }
    oneGrade.fullRun(2);
    oneGrade.run();
    twoGrades.fullRun(2);
    twoGrades.params()[9] = 2;
    twoGrades.run();
    EXPECT_EQ(twoGrades.results(), oneGrade.results());
    twoGrades.params()[9] = 0;
    twoGrades.run();
    EXPECT_NE(twoGrades.results(), oneGrade.results());
}

// Rows outside the requested range are never read: those before it are poisoned for the
// address sanitizer and the matrix ends with the range's last row.
TEST(PointSelectionRange, RowsOutsideTheRangeAreNeverRead) {
    std::mt19937 random(13);
    const SampleData data = linearData(1, 0.2, random);
    EngineHarness inRange;
    EngineHarness wider;
    for (int point = 0; point < 10; ++point)
        wider.addPoint(poisonSignals(), kNaN);
    for (size_t point = 0; point < 50; ++point) {
        inRange.addPoint(data.signals[point], data.lab[point]);
        wider.addPoint(data.signals[point], data.lab[point]);
    }
    inRange.fullRun(2);
    inRange.run();
    wider.fullRun(2);
    wider.params()[13] = 11;
    wider.params()[14] = 60;
    wider.matrix().shrink_to_fit();
    ASAN_POISON_MEMORY_REGION(wider.matrix().data(), 10 * 36 * sizeof(float));
    wider.run();
    ASAN_UNPOISON_MEMORY_REGION(wider.matrix().data(), 10 * 36 * sizeof(float));
    EXPECT_EQ(wider.results(), inRange.results());
}

} // namespace
} // namespace orvo::test
