#include <orvo/views/controls/ChartMath.h>

#include <algorithm>
#include <cmath>

namespace orvo {

AxisRange paddedAxisRange(const QList<double>& values, double paddingFraction) {
    bool any = false;
    double low = 0.0;
    double high = 0.0;
    for (double v : values) {
        if (!std::isfinite(v))
            continue;
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        any = true;
    }
    if (!any)
        return {};
    const double span = high - low;
    if (span > 0.0)
        return {low - span * paddingFraction, high + span * paddingFraction};
    const double room = low == 0.0 ? 1.0 : std::fabs(low) * paddingFraction;
    return {low - room, high + room};
}

AxisTicks niceTicks(const AxisRange& range) {
    constexpr double parts = 6.0;
    const double span = range.max - range.min;
    if (!std::isfinite(span) || span <= 0.0)
        return {};
    const double raw = span / parts;
    const double exponent = std::floor(std::log10(raw));
    const double magnitude = std::pow(10.0, exponent);
    const double residual = raw / magnitude;
    // Nearest of 1, 2, 5 and 10 on a logarithmic scale.
    double step = 10.0;
    if (residual < std::sqrt(2.0))
        step = 1.0;
    else if (residual < std::sqrt(10.0))
        step = 2.0;
    else if (residual < std::sqrt(50.0))
        step = 5.0;
    const double interval = step * magnitude;
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(interval) + 1e-9)));
    return {interval, decimals};
}

std::optional<ChartPointRef> nearestPoint(const std::vector<QList<QPointF>>& series,
                                          QPointF clickValue, QSizeF pixelsPerUnit,
                                          double radiusPixels) {
    std::optional<ChartPointRef> nearest;
    double nearestSquare = radiusPixels * radiusPixels;
    for (int s = 0; s < static_cast<int>(series.size()); ++s) {
        const QList<QPointF>& points = series[static_cast<std::size_t>(s)];
        for (int i = 0; i < points.size(); ++i) {
            const double dx = (points[i].x() - clickValue.x()) * pixelsPerUnit.width();
            const double dy = (points[i].y() - clickValue.y()) * pixelsPerUnit.height();
            const double square = dx * dx + dy * dy;
            if (square < nearestSquare || (!nearest && square <= nearestSquare)) {
                nearest = ChartPointRef{s, i};
                nearestSquare = square;
            }
        }
    }
    return nearest;
}

} // namespace orvo
