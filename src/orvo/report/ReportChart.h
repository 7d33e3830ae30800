#pragma once

#include <QImage>
#include <QSize>

namespace orvo {

struct CalibrationRecord;

// The report's chart: lab value (x) against estimate (y) as the workbench
// draws it, blue markers and the red fitted line, flagged points marked as
// on the screen with a legend.
class ReportChart {
public:
    static QImage render(const CalibrationRecord& record, QSize size);
};

} // namespace orvo
