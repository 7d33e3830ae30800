#pragma once

#include "FormulaStore.h"

#include <orvo/model/MeasurementData.h>

#include <vector>

namespace orvo::workbench {

// A stand-in for the instrument: it records one sample every few hours of
// the wall clock and holds the formulas written to it. A sample depends
// only on its recording time, so the device gives the same sample whenever
// it is asked again.
class SimulatedDevice {
public:
    static constexpr double RecordingInterval = 3.0 / 24.0; // days
    static constexpr int MaximumDelivery = 10;

    explicit SimulatedDevice(FormulaStore& formulas) : m_formulas(formulas) {}

    // The samples recorded after lastDate up to now (day-count dates); the
    // newest MaximumDelivery of them at most, oldest first.
    std::vector<PointPtr> samplesAfter(double lastDate, double now) const;
    std::optional<CalibrationFormula> readFormula(int16_t measurement, int16_t grade) const;
    void writeFormula(const CalibrationFormula& formula);

    // The wall clock as a day-count date (days since 30 December 1899).
    static double currentDate();

private:
    static PointPtr recordedSample(qint64 slot);

    FormulaStore& m_formulas;
};

} // namespace orvo::workbench
