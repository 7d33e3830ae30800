#pragma once

#include <orvo/views/controls/ChartPointRef.h>
#include <orvo/views_export.h>

#include <QList>
#include <QPointF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace orvo {

struct AxisRange {
    double min = 0.0;
    double max = 1.0;

    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// The axis range that shows every finite value with paddingFraction of the
// span free on either side. Without finite values the range is 0..1; a
// single value gets room around it so that the axis never collapses.
ORVO_VIEWS_EXPORT AxisRange paddedAxisRange(const QList<double>& values, double paddingFraction);

struct AxisTicks {
    double interval = 1.0;
    // Decimals that show every tick exactly.
    int decimals = 0;
};

// Ticks at round values (1, 2 or 5 times a power of ten) that split the range
// into about six parts, so that the labels read well whatever the range.
ORVO_VIEWS_EXPORT AxisTicks niceTicks(const AxisRange& range);

// The point nearest to clickValue whose distance, measured in pixels with
// pixelsPerUnit along each axis, is at most radiusPixels. Ties go to the
// lower series, then the lower index.
ORVO_VIEWS_EXPORT std::optional<ChartPointRef>
nearestPoint(const std::vector<QList<QPointF>>& series, QPointF clickValue, QSizeF pixelsPerUnit,
             double radiusPixels);

} // namespace orvo
