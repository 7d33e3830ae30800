// Fuzzes the data file reader on text in memory. What a read keeps must be
// writable and read back to the same lines; the data matrix must build or
// fail with a CalibrationError. Anything else is a finding.
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The day-or-month question gets Yes or No in turn, so both answers are fuzzed.
bool alternatingAnswer(const QString&) {
    static bool yes = false;
    yes = !yes;
    return yes;
}

QString linesOf(const orvo::MeasurementData& set) {
    QString text = orvo::MeasurementPoint::headerLine() + QStringLiteral("\r\n");
    for (int16_t i = 0; i < set.pointCount(); ++i)
        text += set.getMeasurementPoints(i)->toLine() + QStringLiteral("\r\n");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    orvo::MeasurementData set;
    try {
        set.readText(text, alternatingAnswer);
    } catch (const orvo::CalibrationError&) {
        return 0;
    }
    try {
        set.GetDataMatrix();
    } catch (const orvo::CalibrationError&) {
    }
    const QString written = linesOf(set);
    orvo::MeasurementData reread;
    reread.readText(written);
    if (linesOf(reread) != written)
        std::abort();
    return 0;
}
