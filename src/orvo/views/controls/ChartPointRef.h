#pragma once

namespace orvo {

// One point of a chart: the series and the point's index in it, both from 0.
struct ChartPointRef {
    int series = 0;
    int point = 0;

    friend bool operator==(const ChartPointRef&, const ChartPointRef&) = default;
};

} // namespace orvo
