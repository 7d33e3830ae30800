#pragma once

#include <orvo/core_export.h>

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace orvo {

class MeasurementPoint;
using PointPtr = std::shared_ptr<MeasurementPoint>;

// The shared set of at most 200 samples, in ascending date order after
// reading and merging. Stores the very point objects it is given.
class ORVO_CORE_EXPORT MeasurementData {
public:
    static constexpr int16_t Capacity = 200;
    static constexpr int MatrixColumns = 36;

    int16_t pointCount() const { return m_pointCount; }
    // The point in slot index (0..199, not checked against pointCount);
    // null for a slot never filled. Throws out of range outside 0..199.
    PointPtr getMeasurementPoints(int16_t index) const;

    // Appends unless the point is dated before 1970-01-01.
    void AddMeasurementPoint(const PointPtr& mspoint);
    // Replaces the content by the file's points. Undecidable dotted or
    // dashed dates are asked about through Prompts::instance(). Errors of a
    // data line carry its file line number.
    void ReadFile(const QString& FileName);
    // ReadFile on text already in memory (the whole file as read).
    void readText(const QString& text);
    void SaveFile(const QString& FileName) const;
    void ClearFile(const QString& FileName) const;
    // Merges samples fetched from the device.
    void AddNewData(const std::vector<PointPtr>& newpoints);
    // 36 floats per point, row-major, slot order.
    std::vector<float> GetDataMatrix() const;
    void setPointCountTo0() { m_pointCount = 0; }

private:
    static int16_t detectDateLayout(QString& text);
    // Day-or-month decision for dotted (3) or dashed (6) dates over the data
    // lines 1..count; may ask the person.
    static int16_t decideDayOrMonth(const QStringList& lines, qsizetype count, int16_t layout);
    void sortByDate();

    std::array<PointPtr, Capacity> m_points;
    int16_t m_pointCount = 0;
};

} // namespace orvo
