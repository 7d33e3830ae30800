#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/regression/RunDiagnostics.h>

#include <QList>
#include <QLocale>
#include <QStringList>

#include <array>
#include <vector>

namespace orvo {

class MeasurementData;
class RegressionCalculation;
struct ResultChartData;

// What the workbench shows of a run's diagnostics: the listed candidates'
// statistics in list order, and on the chart of one candidate the tooltip of
// each point and the points that raise each flag.
class ORVO_CORE_EXPORT WorkbenchDiagnostics {
public:
    enum Flag { Outlier, HighLeverage, Influential, FlagCount };

    struct ChartNotes {
        QStringList toolTips; // one per chart point
        // Chart point indices, per flag.
        std::array<QList<int>, FlagCount> flagged;
    };

    // Refits the listed candidates of the calculation's last run from the
    // points its control block names.
    WorkbenchDiagnostics(const MeasurementData& data, const RegressionCalculation& calculation);

    const std::vector<CandidateDiagnostics>& candidates() const { return m_candidates; }
    // Chart points outside the run's fit (another grade, say) get a tooltip
    // that says so and raise no flag.
    ChartNotes chartNotes(const MeasurementData& data, const ResultChartData& chart,
                          const CalcResults& results, int row,
                          const QLocale& locale = QLocale()) const;

private:
    RunDiagnostics m_run;
    std::vector<CandidateDiagnostics> m_candidates;
};

} // namespace orvo
