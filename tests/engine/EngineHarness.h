#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvo::test {

using Signals = std::array<float, 10>;

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
    // The nonzero signal numbers of the slots, in slot order.
    std::vector<int> signals() const;
    bool isZero() const;
};

// Builds a data matrix and a control block the way the workbench fills them, runs regre and
// reads the result block.
class EngineHarness {
public:
    static constexpr int kLab = 28; // Cons
    static constexpr int kGrade = 34;

    // Appends a matrix row; returns its 1-based point number.
    int addPoint(const Signals& signals, float lab, float grade = 1);
    float* row(int point) { return &m_matrix[static_cast<std::size_t>(point - 1) * 36]; }

    // A full run over all points of grade 1 unless the block is changed afterwards.
    void fullRun(int variables);
    void step(int mode, int fromRow, int variables);
    int32_t run();

    std::array<int32_t, 19>& params() { return m_params; }
    std::array<float, 340>& results() { return m_results; }
    std::vector<float>& matrix() { return m_matrix; }
    ResultRow result(int row) const { return {&m_results[static_cast<std::size_t>(row) * 20]}; }
    // The signal lists of all nonempty rows, in row order.
    std::vector<std::vector<int>> listedSignals() const;
    bool allFinite() const;

private:
    std::vector<float> m_matrix;
    std::array<int32_t, 19> m_params{};
    std::array<float, 340> m_results{};
    int m_points = 0;
};

} // namespace orvo::test
