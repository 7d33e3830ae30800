#pragma once

#include <orvo/engine/regre.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace orvo::test {

using Signals = std::array<float, 10>;

// Signals drawn uniformly from -5..5: well conditioned, no dependencies.
inline Signals randomSignals(std::mt19937& random) {
    std::uniform_real_distribution<float> uniform(-5, 5);
    Signals signals{};
    std::generate(signals.begin(), signals.end(), [&] { return uniform(random); });
    return signals;
}

// Columns of a result row after the coefficients A1..A5.
constexpr size_t kConstant = 5, kCorrelation = 6, kStandardError = 7, kTTotal = 8, kFirstT = 9,
                 kTConstant = 14, kFirstSignal = 15;
using Row = std::span<const float, 20>;

// A data matrix and a control block filled the way the workbench fills them, and the result
// block that regre writes. Test data sets are harnesses whose points are all usable.
class EngineHarness {
public:
    // Appends a matrix row and returns it.
    float* addPoint(const Signals& signals, float lab, float grade = 1) {
        float* row = &*matrix.insert(matrix.end(), 36, 0.0f);
        std::copy(signals.begin(), signals.end(), row + 5);
        row[28] = lab;
        row[34] = grade;
        return row;
    }
    // A full run over all points, of grade 1.
    void fullRun(int variables) {
        params = {1, 0, variables, 1};
        params[8] = 1;
        params[13] = 1;
        params[14] = static_cast<int32_t>(matrix.size() / 36);
    }
    int32_t step(int mode, int fromRow) {
        params[16] = mode;
        params[17] = fromRow;
        return run();
    }
    int32_t run() { return regre(params.data(), matrix.data(), results.data()); }

    Row row(int index) const { return Row(&results[static_cast<size_t>(index) * 20], 20); }
    // The leading nonzero signal slots of each row up to the first row without any.
    std::vector<std::vector<int>> listedSignals() const {
        std::vector<std::vector<int>> listed;
        for (int index = 0; index < 17 && row(index)[kFirstSignal] != 0; ++index) {
            listed.emplace_back();
            for (size_t slot = kFirstSignal; slot < 20 && row(index)[slot] != 0; ++slot)
                listed.back().push_back(static_cast<int>(row(index)[slot]));
        }
        return listed;
    }
    // Whether every row from the given one on is all zero.
    bool zeroFrom(int index) const {
        return std::all_of(results.begin() + index * 20, results.end(),
                           [](float value) { return value == 0; });
    }

    std::array<int32_t, 19> params{};
    std::vector<float> matrix;
    std::array<float, 340> results{};
};

// Random signals; lab = offset + a combination of SIG1..SIG4 + uniform noise.
inline EngineHarness linearPoints(double offset, double noise, std::mt19937& random,
                                  int count = 200) {
    std::uniform_real_distribution<double> unit(-1, 1);
    EngineHarness points;
    for (int point = 0; point < count; ++point) {
        const Signals s = randomSignals(random);
        points.addPoint(s, static_cast<float>(offset + 3 * s[0] - 2 * s[1] + 0.5 * s[2] +
                                              0.01 * s[3] + noise * unit(random)));
    }
    return points;
}

} // namespace orvo::test
