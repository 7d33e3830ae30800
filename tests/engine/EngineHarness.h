#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace orvo::test {

using Signals = std::array<float, 10>;

// Points of grade 1 that a test builds; all usable.
struct Points {
    std::vector<Signals> signals;
    std::vector<float> lab;
};

// Signals drawn uniformly from -5..5: well conditioned, no dependencies.
Signals randomSignals(std::mt19937& random);
// 200 points of random signals; lab = offset + a combination of SIG1..SIG4 + uniform noise.
Points linearPoints(double offset, double noise, std::mt19937& random);

// One result row as the engine wrote it.
struct ResultRow {
    const float* values;

    float coefficient(int slot) const { return values[slot]; }
    float constant() const { return values[5]; }
    float correlation() const { return values[6]; }
    float standardError() const { return values[7]; }
    float tTotal() const { return values[8]; }
    float tCoefficient(int slot) const { return values[9 + slot]; }
    float tConstant() const { return values[14]; }
    std::vector<int> signals() const; // the nonzero slots
    bool isZero() const;
};

// A data matrix and a control block filled the way the workbench fills them, and the result
// block that regre writes.
class EngineHarness {
public:
    explicit EngineHarness(const Points& points = {});
    // Appends a matrix row and returns it.
    float* addPoint(const Signals& signals, float lab, float grade = 1);

    // Sets the block for a full run over all points of grade 1.
    void fullRun(int variables);
    int32_t step(int mode, int fromRow);
    int32_t run();

    std::array<int32_t, 19> params{};
    std::vector<float> matrix;
    std::array<float, 340> results{};

    ResultRow row(int index) const { return {&results[static_cast<std::size_t>(index) * 20]}; }
    std::vector<std::vector<int>> listedSignals() const;
};

} // namespace orvo::test
