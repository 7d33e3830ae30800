#include "model/LocaleNumber.h"

#include "model/CalibrationError.h"
#include "model/Rounding.h"

#include <cmath>

namespace orvo {

double toDoubleStrict(const QString& text, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok && std::isinf(value))
        throw CalibrationError::overflow(QStringLiteral("\"%1\" is too large").arg(text));
    if (!ok || !std::isfinite(value))
        throw CalibrationError::typeMismatch(QStringLiteral("\"%1\" is not a number").arg(text));
    return value;
}

int16_t toInt16Strict(const QString& text, const QLocale& locale) {
    return roundToInt16(toDoubleStrict(text, locale));
}

int32_t toInt32Strict(const QString& text, const QLocale& locale) {
    return roundToInt32(toDoubleStrict(text, locale));
}

} // namespace orvo
