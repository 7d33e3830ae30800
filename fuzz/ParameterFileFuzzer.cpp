// Fuzzes the formula parameter file reader on text in memory, and the text
// forms of whatever it read. Anything but a CalibrationError is a finding.
#include <orvo/model/CalibrationError.h>
#include <orvo/model/CalibrationFormula.h>

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    orvo::CalibrationFormula formula;
    try {
        formula.readText(text);
    } catch (const orvo::CalibrationError&) {
        return 0;
    }
    formula.GetFormulaString();
    formula.parameterNotice();
    formula.countTerms();
    return 0;
}
