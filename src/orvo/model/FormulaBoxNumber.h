#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

#include <optional>

namespace orvo {

// The rules by which a formula's coefficient box is read. A text that is
// exactly the general text of its own number reads the same in every
// locale, with "," or "." as the decimal point; a zero with decimals is 0;
// anything else must convert under the user's locale.
class ORVO_CORE_EXPORT FormulaBoxNumber {
public:
    // True when text, with every "," taken as ".", equals the general text
    // of the number it starts with ("1,5", "-0.25", "12"; not "1.50",
    // ".5", "+1" or " 1").
    static bool isCanonical(const QString& text, const QLocale& locale = QLocale());
    // True for "0" digits, one decimal point or comma, "0" digits: "0.0",
    // "00,000"; not "0", ".0", "0." or "-0.0".
    static bool isZeroWithDecimals(const QString& text);
    // The box's coefficient, or none when the text cannot be read or lies
    // beyond the 32-bit float range.
    static std::optional<float> value(const QString& text, const QLocale& locale = QLocale());
};

} // namespace orvo
