#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/regression/CandidateText.h>
#include <orvo/regression/ResultChartData.h>

#include <algorithm>
#include <cmath>

namespace orvo {

namespace {

// Sums kept in 32-bit floats, as the line is drawn in chart values.
struct LineSums {
    float n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    float xmin = 0, xmax = 0;

    void add(float x, float y) {
        xmin = n == 0 ? x : std::min(xmin, x);
        xmax = n == 0 ? x : std::max(xmax, x);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }

    std::optional<std::array<QPointF, 2>> fittedLine() const {
        const float d = n * sxx - sx * sx;
        if (xmin == xmax || d == 0)
            return std::nullopt;
        const float slope = (n * sxy - sx * sy) / d;
        const float intercept = (sy * sxx - sx * sxy) / d;
        if (!std::isfinite(slope) || !std::isfinite(intercept))
            return std::nullopt;
        const float margin = (xmax - xmin) * 0.05f;
        const float low = xmin - margin;
        const float high = xmax + margin;
        return std::array<QPointF, 2>{QPointF(low, slope * low + intercept),
                                      QPointF(high, slope * high + intercept)};
    }
};

} // namespace

float rowEstimate(const CalcResults& results, int row, const MeasurementPoint& point) {
    using namespace block;
    float estimate = 0;
    for (int slot = 0; slot < MaxVariables; ++slot) {
        const int signal = slotSignal(at(results, row, FirstSignal + slot));
        if (signal != 0)
            estimate = static_cast<float>(estimate + at(results, row, slot) * point.signal(signal));
    }
    return static_cast<float>(estimate + at(results, row, Constant));
}

ResultChartData computeResultChart(const MeasurementData& data, int first, int last,
                                   const CalcResults& results, int row, int measurement) {
    ResultChartData chart;
    LineSums sums;
    const int end = std::min<int>(last, data.pointCount());
    for (int index = std::max(first, 1) - 1; index < end; ++index) {
        const PointPtr point = data.getMeasurementPoints(static_cast<int16_t>(index));
        const float x = point->enabled ? static_cast<float>(point->labValue(measurement)) : 0.0f;
        if (x == 0.0f)
            continue;
        const float y = rowEstimate(results, row, *point);
        chart.points.append(QPointF(x, y));
        chart.plottedPoints.push_back(static_cast<int16_t>(index));
        sums.add(x, y);
    }
    chart.fittedLine = sums.fittedLine();
    chart.correlation = block::at(results, row, block::Correlation);
    chart.stdError = block::at(results, row, block::StdError);
    return chart;
}

} // namespace orvo
