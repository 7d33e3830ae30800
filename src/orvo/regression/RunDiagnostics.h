#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/PointInfluence.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/regression/SampleSelection.h>

#include <memory>
#include <optional>
#include <vector>

namespace orvo {

class MeasurementData;
class ScaledSamples;

// Diagnostics of the candidates of one run: its usable points are read once,
// each candidate row is refitted in double from them.
class ORVO_CORE_EXPORT RunDiagnostics {
public:
    // Variance inflation factor given to a constant or dependent signal: the
    // least VIF of a signal within the dependency tolerance 2^-20 of the span
    // of the others.
    static constexpr double kVifCeiling = 0x1p40;

    // The run's range, grades and lab quantity come from its control block.
    RunDiagnostics(const MeasurementData& data, const CalcParams& params);
    ~RunDiagnostics();
    RunDiagnostics(RunDiagnostics&&) noexcept;
    RunDiagnostics& operator=(RunDiagnostics&&) noexcept;

    const SampleSelection& selection() const { return m_selection; }
    CandidateDiagnostics candidate(const CalcResults& results, int row) const;
    // One entry per usable point, in data-set order.
    std::vector<PointInfluence> influence(const CalcResults& results, int row) const;

    // The signals of a result row's slots, in slot order, each once.
    static std::vector<int> rowSignals(const CalcResults& results, int row);

private:
    SampleSelection m_selection;
    std::unique_ptr<ScaledSamples> m_samples;
    std::optional<double> m_fullMeanSquare;
};

} // namespace orvo
