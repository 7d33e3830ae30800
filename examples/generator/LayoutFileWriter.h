#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace orvo {
class MeasurementPoint;
}

namespace orvo::demo {

// Data files as other tools write them: the dates in one of the other
// layouts the reader detects (2..7), optionally without the Enabled column.
class LayoutFileWriter {
public:
    static QString dateText(double date, int layout);
    // Throws CalibrationError when the file cannot be written.
    static void write(const QString& fileName,
                      const std::vector<std::shared_ptr<MeasurementPoint>>& points, int layout,
                      bool withEnabledColumn);
};

} // namespace orvo::demo
