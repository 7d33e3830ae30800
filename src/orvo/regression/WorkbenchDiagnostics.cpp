#include <orvo/model/MeasurementData.h>
#include <orvo/regression/DiagnosticsText.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/ResultChartData.h>
#include <orvo/regression/WorkbenchDiagnostics.h>

#include <algorithm>

namespace orvo {

namespace {

// The influence entries stand in data-set order, as the usable points do.
std::optional<PointInfluence> fitOf(const std::vector<PointInfluence>& influence, int index) {
    const auto found = std::lower_bound(
        influence.begin(), influence.end(), index,
        [](const PointInfluence& point, int wanted) { return point.index < wanted; });
    if (found == influence.end() || found->index != index)
        return std::nullopt;
    return *found;
}

} // namespace

WorkbenchDiagnostics::WorkbenchDiagnostics(const MeasurementData& data,
                                           const RegressionCalculation& calculation)
    : m_run(data, calculation.calcParams()) {
    for (int k = 0; k < calculation.candidateCount(); ++k)
        m_candidates.push_back(
            m_run.candidate(calculation.calcResults(), calculation.candidateRow(k)));
}

WorkbenchDiagnostics::ChartNotes
WorkbenchDiagnostics::chartNotes(const MeasurementData& data, const ResultChartData& chart,
                                 const CalcResults& results, int row, const QLocale& locale) const {
    const std::vector<PointInfluence> influence = m_run.influence(results, row);
    ChartNotes notes;
    for (int k = 0; k < static_cast<int>(chart.plottedPoints.size()); ++k) {
        const int index = chart.plottedPoints[static_cast<std::size_t>(k)];
        const QPointF drawn = chart.points[k];
        const std::optional<PointInfluence> fit = fitOf(influence, index);
        notes.toolTips << diagnosticsText::pointSummary(
            *data.getMeasurementPoints(static_cast<int16_t>(index)), index, drawn.x(), drawn.y(),
            fit, locale);
        if (!fit)
            continue;
        for (const auto& [flag, raised] : {std::pair{Outlier, fit->outlier},
                                           {HighLeverage, fit->highLeverage},
                                           {Influential, fit->influential}})
            if (raised)
                notes.flagged[flag] << k;
    }
    return notes;
}

} // namespace orvo
