#include "model/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace orvo {

namespace {

QString nonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

// Lays out the significant digits of a value rounded by to_chars in
// scientific form ("d.ddde+xx") as general text.
QString layOutGeneral(std::string_view scientific, int maxFixedExponent, const QLocale& locale) {
    const bool negative = scientific.front() == '-';
    if (negative)
        scientific.remove_prefix(1);
    const std::size_t exponentMark = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + exponentMark + 1 +
                        (scientific[exponentMark + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);
    QString digits;
    for (char c : scientific.substr(0, exponentMark))
        if (c != '.')
            digits += QLatin1Char(c);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    const QString separator = locale.decimalPoint();
    QString text = negative ? QStringLiteral("-") : QString();
    if (exponent >= -4 && exponent <= maxFixedExponent) {
        if (exponent < 0) {
            text +=
                QLatin1Char('0') + separator + QString(-exponent - 1, QLatin1Char('0')) + digits;
        } else {
            const qsizetype integerDigits = exponent + 1;
            if (digits.size() <= integerDigits) {
                text += digits + QString(integerDigits - digits.size(), QLatin1Char('0'));
            } else {
                text += digits.left(integerDigits) + separator + digits.mid(integerDigits);
            }
        }
        return text;
    }
    text += digits.left(1);
    if (digits.size() > 1)
        text += separator + digits.mid(1);
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    return text;
}

template <typename Real>
QString generalTextOf(Real value, int significantDigits, int maxFixedExponent,
                      const QLocale& locale) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significantDigits - 1);
    return layOutGeneral(std::string_view(buffer.data(), result.ptr), maxFixedExponent, locale);
}

} // namespace

QString generalText(double value, const QLocale& locale) {
    return generalTextOf(value, 15, 14, locale);
}

QString generalText(float value, const QLocale& locale) {
    return generalTextOf(value, 7, 6, locale);
}

QString fixedText(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    // 309 integer digits at most, plus sign, point and the decimals.
    std::array<char, 320 + 64> buffer{};
    const int clampedDecimals = std::clamp(decimals, 0, 60);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, clampedDecimals);
    std::string_view text(buffer.data(), result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos)
        text.remove_prefix(1);
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QLatin1Char('.'), locale.decimalPoint());
    return out;
}

} // namespace orvo
