// Fuzzes the data line parser. A line that parses must come back unchanged
// through its own text form; anything but a CalibrationError is a finding.
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementPoint.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString line =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    orvo::MeasurementPoint point;
    try {
        point.ParseString(line);
    } catch (const orvo::CalibrationError&) {
        return 0;
    }
    const QString written = point.toLine();
    orvo::MeasurementPoint reread;
    QString again = written + QStringLiteral(" 1");
    reread.ParseString(again);
    if (reread.toLine() != written)
        std::abort();
    return 0;
}
