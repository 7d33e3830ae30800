#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

#include <cstdint>

namespace orvo {

// Strict conversions of a text typed by a person, in that person's locale.
// Leading and trailing blanks are allowed, digit grouping is not (so that
// "12.5" in a decimal-comma locale is refused rather than read as 125).
// Throws the type-mismatch error for anything that is not a number
// (empty, "nan", "inf", "12abc") and the overflow error for a number
// beyond the range of the result; integers are rounded halves to even.
ORVO_CORE_EXPORT double toDoubleStrict(const QString& text, const QLocale& locale = QLocale());
ORVO_CORE_EXPORT int16_t toInt16Strict(const QString& text, const QLocale& locale = QLocale());
ORVO_CORE_EXPORT int32_t toInt32Strict(const QString& text, const QLocale& locale = QLocale());

} // namespace orvo
