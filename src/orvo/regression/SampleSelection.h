#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/RegressionBlocks.h>

#include <array>
#include <vector>

namespace orvo {

class MeasurementData;

// The points of a run's range split into those the engine fits on and those
// it leaves out, with the reason, read through the same float rounding as
// the engine's data matrix.
class ORVO_CORE_EXPORT SampleSelection {
public:
    enum class Status { Usable, Disabled, OtherGrade, NoLabValue, NotFinite };
    struct RangePoint {
        int index; // 0-based position in the data set
        Status status;
    };

    // The range, grades and lab quantity come from the run's control block.
    SampleSelection(const MeasurementData& data, const CalcParams& params);

    const std::vector<RangePoint>& rangePoints() const { return m_rangePoints; }
    const std::vector<int>& usableIndices() const { return m_usable; }
    int usableCount() const { return static_cast<int>(m_usable.size()); }
    // Signals 1..10 and the lab value of usable point k (k-th of usableIndices).
    const std::array<double, block::SignalCount>& signalValues(int k) const;
    double labValue(int k) const { return m_lab[static_cast<std::size_t>(k)]; }

private:
    Status classify(const MeasurementData& data, int index, const CalcParams& params);

    std::vector<RangePoint> m_rangePoints;
    std::vector<int> m_usable;
    std::vector<std::array<double, block::SignalCount>> m_signals;
    std::vector<double> m_lab;
};

} // namespace orvo
