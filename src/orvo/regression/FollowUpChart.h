#pragma once

#include <orvo/core_export.h>

#include <QList>
#include <QPointF>

#include <cstdint>
#include <optional>
#include <vector>

namespace orvo {

class CalibrationFormula;
class MeasurementData;
class MeasurementPoint;

// What the follow-up chart shows of one formula over a sample set: for each
// sample with a lab value for the formula's quantity (and enabled, unless
// disabled samples are shown) the lab value and the estimate, both at the
// sample's running number 1, 2, 3, ... among the drawn samples.
class ORVO_CORE_EXPORT FollowUpChart {
public:
    FollowUpChart(const MeasurementData& data, const CalibrationFormula& formula, int first,
                  int last, bool showDisabled);

    // Lab values (series 0) and estimates (series 1), as 32-bit floats.
    const QList<QPointF>& labValues() const { return m_labValues; }
    const QList<QPointF>& estimates() const { return m_estimates; }
    int drawnCount() const { return static_cast<int>(m_labValues.size()); }
    // Data-set index of chart point k; one entry per sample plus a spare,
    // 0 beyond the drawn points.
    const std::vector<int16_t>& chartIndex() const { return m_chartIndex; }
    // The running number that the range's first and last sample took, or
    // would have taken had they been drawn; 0 when outside the set.
    int startMark() const { return m_startMark; }
    int endMark() const { return m_endMark; }
    // Smallest and largest drawn value, lab values and estimates together.
    float low() const { return m_low; }
    float high() const { return m_high; }
    // x of the range lines, between the last sample before the range and
    // its first, and after the range's last; none when nothing lies beyond.
    std::optional<double> startLine() const;
    std::optional<double> endLine() const;
    // The index of the chart point nearest to x among drawnCount points,
    // halves to the even one, limited to the drawn points; none when
    // nothing is drawn.
    static std::optional<int> pointAt(double x, int drawnCount);

    // Lab value of a quantity: 0..3 as the formula codes, 4 and 5 LabRes3
    // and LabRes4; 0 (no value) for any other code.
    static double labValue(const MeasurementPoint& point, int quantity);
    // b + a1*SIG1 + ... + a10*SIG10, term by term from a1, the running sum
    // kept as a 32-bit float after each addition.
    static float estimate(const CalibrationFormula& formula, const MeasurementPoint& point);

private:
    void draw(int sampleIndex, float lab, float estimate);

    QList<QPointF> m_labValues;
    QList<QPointF> m_estimates;
    std::vector<int16_t> m_chartIndex;
    int m_startMark = 0;
    int m_endMark = 0;
    float m_low = 0;
    float m_high = 0;
};

} // namespace orvo
