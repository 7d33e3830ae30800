#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/SavedSnapshot.h>

namespace orvo {

void SavedSnapshot::take(const MeasurementData& data) {
    m_lines = fileLinesOf(data);
}

bool SavedSnapshot::differsFrom(const MeasurementData& data) const {
    const std::optional<QStringList> lines = fileLinesOf(data);
    return !lines || !m_lines || *lines != *m_lines;
}

std::optional<QStringList> SavedSnapshot::fileLinesOf(const MeasurementData& data) {
    QStringList lines;
    lines.reserve(data.pointCount());
    try {
        for (int16_t i = 0; i < data.pointCount(); ++i)
            lines << data.getMeasurementPoints(i)->toLine();
    } catch (const CalibrationError&) {
        return std::nullopt;
    }
    return lines;
}

} // namespace orvo
