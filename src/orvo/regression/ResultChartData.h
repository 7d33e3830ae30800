#pragma once

#include <orvo/core_export.h>
#include <orvo/regression/RegressionBlocks.h>

#include <QPointF>
#include <QVector>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvo {

class MeasurementData;
class MeasurementPoint;

// What the workbench chart shows for one result row: lab value (x) against
// the row's estimate (y) for every enabled point of the range that has a lab
// value, and the least-squares line through them widened by 5% each side.
struct ResultChartData {
    QVector<QPointF> points;
    // Data-set index of each chart point, in chart order.
    std::vector<int16_t> plottedPoints;
    // None when fewer than two distinct lab values are plotted.
    std::optional<std::array<QPointF, 2>> fittedLine;
    float correlation = 0;
    float stdError = 0;
};

ORVO_CORE_EXPORT ResultChartData computeResultChart(const MeasurementData& data, int first,
                                                    int last, const CalcResults& results, int row,
                                                    int measurement);

// The row's estimate for a point, summed slot by slot in 32-bit floats.
ORVO_CORE_EXPORT float rowEstimate(const CalcResults& results, int row,
                                   const MeasurementPoint& point);

} // namespace orvo
