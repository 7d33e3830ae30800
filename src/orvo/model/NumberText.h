#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

namespace orvo {

// The general text of a 64-bit value: rounded to 15 significant digits,
// trailing zeros dropped, no grouping, the locale's decimal separator and
// "-" for negatives; fixed notation for decimal exponents -4..14, otherwise
// mantissa, "E", sign and at least two exponent digits ("1E-05", "1E+15").
// Files pass QLocale::c(), screens QLocale().
ORVO_CORE_EXPORT QString generalText(double value, const QLocale& locale);
// The same for a 32-bit value: 7 significant digits taken from the float
// itself, fixed notation for decimal exponents -4..6.
ORVO_CORE_EXPORT QString generalText(float value, const QLocale& locale);
// Fixed decimals with a leading zero, no grouping, "-" for negatives; a
// value that rounds to zero has no sign.
ORVO_CORE_EXPORT QString fixedText(double value, int decimals, const QLocale& locale);

} // namespace orvo
