#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/Rounding.h>
#include <orvo/regression/FollowUpChart.h>

#include <algorithm>
#include <cmath>

namespace orvo {

FollowUpChart::FollowUpChart(const MeasurementData& data, const CalibrationFormula& formula,
                             int first, int last, bool showDisabled)
    : m_chartIndex(static_cast<std::size_t>(data.pointCount()) + 1, 0) {
    for (int16_t i = 0; i < data.pointCount(); ++i) {
        const int next = drawnCount() + 1;
        if (i == first - 1)
            m_startMark = next;
        if (i == last - 1)
            m_endMark = next;
        const PointPtr point = data.getMeasurementPoints(i);
        if (!point)
            continue;
        const double lab = labValue(*point, formula.formula);
        if (lab == 0 || !(showDisabled || point->enabled))
            continue;
        draw(i, static_cast<float>(lab), estimate(formula, *point));
    }
}

void FollowUpChart::draw(int sampleIndex, float lab, float estimate) {
    const int number = drawnCount() + 1;
    const auto [smaller, larger] = std::minmax(lab, estimate);
    m_low = number == 1 ? smaller : std::min(m_low, smaller);
    m_high = number == 1 ? larger : std::max(m_high, larger);
    m_labValues.append(QPointF(number, lab));
    m_estimates.append(QPointF(number, estimate));
    m_chartIndex[static_cast<std::size_t>(number - 1)] = static_cast<int16_t>(sampleIndex);
}

std::optional<double> FollowUpChart::startLine() const {
    if (m_startMark <= 1)
        return std::nullopt;
    return m_startMark - 0.5;
}

std::optional<double> FollowUpChart::endLine() const {
    if (m_endMark >= drawnCount())
        return std::nullopt;
    return m_endMark + 0.5;
}

std::optional<int> FollowUpChart::pointAt(double x, int drawnCount) {
    if (drawnCount <= 0)
        return std::nullopt;
    // Limited before rounding, so that any x, even one far off or not a
    // number, names a drawn point.
    const double number = std::isnan(x) ? 1.0 : std::clamp(x, 1.0, static_cast<double>(drawnCount));
    return static_cast<int>(roundHalfEven(number)) - 1;
}

double FollowUpChart::labValue(const MeasurementPoint& point, int quantity) {
    switch (quantity) {
    case 0:
        return point.LabCons;
    case 1:
        return point.LabAsh;
    case 2:
        return point.LabRes1;
    case 3:
        return point.LabRes2;
    case 4:
        return point.LabRes3;
    case 5:
        return point.LabRes4;
    default:
        return 0;
    }
}

float FollowUpChart::estimate(const CalibrationFormula& formula, const MeasurementPoint& point) {
    float sum = 0;
    for (int k = 1; k <= 10; ++k)
        sum = static_cast<float>(sum + formula.coefficient(k) * point.signal(k));
    return static_cast<float>(sum + formula.b);
}

} // namespace orvo
