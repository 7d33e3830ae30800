#include "views/controls/ChartMath.h"

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
