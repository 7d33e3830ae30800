#pragma once

#include <orvo/core_export.h>

#include <QStringView>

namespace orvo {

// Reads the decimal number a text starts with and never fails: blanks, TABs
// and line feeds are ignored anywhere; an optional sign, digits, an optional
// "." with fraction and an optional exponent (E, e, D or d, optional sign)
// are read up to the first other character. A text that does not start with
// a number, and a number beyond the range of a double, give 0. Names such as
// "nan" or "inf" and hex or octal prefixes are not numbers here.
ORVO_CORE_EXPORT double leadingNumber(QStringView text);

} // namespace orvo
