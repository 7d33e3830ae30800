#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvo {

class MeasurementPoint;

// One row of the workbench's point detail list.
struct PointDetailRow {
    QString key;
    QString caption;
    // Translation key of the caption and the digit appended to its
    // translation; empty for rows that are never translated.
    QString translationKey;
    QString suffix;
};

// The 21 rows of the point detail list, in order.
ORVO_CORE_EXPORT const std::vector<PointDetailRow>& pointDetailRows();

// The value texts of one point in the order of pointDetailRows(); index is
// the point's 0-based position in the data set.
ORVO_CORE_EXPORT QStringList pointDetailValues(const MeasurementPoint& point, int index,
                                               const QLocale& locale = QLocale());

} // namespace orvo
