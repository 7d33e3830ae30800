#pragma once

#include <orvo/core_export.h>

#include <QStringList>

#include <optional>

namespace orvo {

class MeasurementData;

// Remembers a set as its file holds it, to tell later whether the set has
// changes that are not saved: new or dropped samples, lab values, enabled
// flags; whatever the file would record.
class ORVO_CORE_EXPORT SavedSnapshot {
public:
    // Takes data as the content of its file.
    void take(const MeasurementData& data);
    // Whether saving data now would write another file than the one taken.
    // A sample that cannot be written counts as a change.
    bool differsFrom(const MeasurementData& data) const;

private:
    static std::optional<QStringList> fileLinesOf(const MeasurementData& data);

    std::optional<QStringList> m_lines = QStringList();
};

} // namespace orvo
