#include <orvo/model/CalibrationError.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/Rounding.h>

#include <cmath>
#include <optional>

namespace orvo {

namespace {

// Plain digits with an optional minus read the same in every locale; the
// date parts of the data file are such texts, and the locale is slow to ask.
std::optional<double> plainInteger(QStringView text) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

} // namespace

double toDoubleStrict(const QString& text, const QLocale& locale) {
    if (const std::optional<double> integer = plainInteger(QStringView(text).trimmed()))
        return *integer;
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
