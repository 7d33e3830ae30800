#pragma once

#include <orvo/core_export.h>
#include <orvo/engine/BlockLayout.h>

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orvo {

class MeasurementPoint;
using PointPtr = std::shared_ptr<MeasurementPoint>;

// Asked when a file's dotted or dashed dates read both day first and month
// first: gets the question, answers true for day first. The reader asks
// nobody itself, so each caller decides who answers (a message box, a
// command-line option, a test).
using DayFirstQuestion = std::function<bool(const QString& question)>;

// The shared set of at most 200 samples, in ascending date order after
// reading and merging. Stores the very point objects it is given.
class ORVO_CORE_EXPORT MeasurementData {
public:
    static constexpr int16_t Capacity = 200;
    static constexpr int MatrixColumns = block::MatrixColumns;

    int16_t pointCount() const { return m_pointCount; }
    // The point in slot index (0..199, not checked against pointCount);
    // null for a slot never filled. Throws out of range outside 0..199.
    const PointPtr& getMeasurementPoints(int16_t index) const;

    // Appends unless the point is dated before 1970-01-01.
    void AddMeasurementPoint(const PointPtr& mspoint);
    // Replaces the content by the file's points. Undecidable dotted or
    // dashed dates are put to askDayFirst; without one they read month
    // first, as after the answer No. Errors of a data line carry its file
    // line number.
    void ReadFile(const QString& FileName, const DayFirstQuestion& askDayFirst = {});
    // ReadFile on text already in memory (the whole file as read).
    void readText(const QString& text, const DayFirstQuestion& askDayFirst = {});
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
    // lines 1..count; asks askDayFirst when no line decides.
    static int16_t decideDayOrMonth(const QStringList& lines, qsizetype count, int16_t layout,
                                    const DayFirstQuestion& askDayFirst);
    void sortByDate();

    std::array<PointPtr, Capacity> m_points;
    int16_t m_pointCount = 0;
};

} // namespace orvo
