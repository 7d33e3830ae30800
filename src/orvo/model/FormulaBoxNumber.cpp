#include <orvo/model/CalibrationError.h>
#include <orvo/model/FormulaBoxNumber.h>
#include <orvo/model/LeadingNumber.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/Rounding.h>

#include <QStringList>

namespace orvo {

namespace {

QString withDecimalPoint(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

bool isZeroDigits(const QString& part) {
    return !part.isEmpty() && part.count(QLatin1Char('0')) == part.size();
}

} // namespace

bool FormulaBoxNumber::isCanonical(const QString& text, const QLocale& locale) {
    const QString pointed = withDecimalPoint(text);
    return pointed == withDecimalPoint(generalText(leadingNumber(pointed), locale));
}

bool FormulaBoxNumber::isZeroWithDecimals(const QString& text) {
    const QStringList parts = withDecimalPoint(text).split(QLatin1Char('.'));
    return parts.size() == 2 && isZeroDigits(parts[0]) && isZeroDigits(parts[1]);
}

std::optional<float> FormulaBoxNumber::value(const QString& text, const QLocale& locale) {
    try {
        if (isCanonical(text, locale))
            return toFloatChecked(leadingNumber(withDecimalPoint(text)));
        if (isZeroWithDecimals(text))
            return 0.0f;
        return toFloatChecked(toDoubleStrict(text, locale));
    } catch (const CalibrationError&) {
        return std::nullopt;
    }
}

} // namespace orvo
