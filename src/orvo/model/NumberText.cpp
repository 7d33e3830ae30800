#include <orvo/model/GeneralTextWriter.h>
#include <orvo/model/NumberText.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <type_traits>

namespace orvo {

namespace {

std::size_t writeNonFinite(double value, char* out) {
    const std::string_view text = std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
    return static_cast<std::size_t>(std::copy(text.begin(), text.end(), out) - out);
}

// Lays out a value rounded by to_chars in scientific form ("-d.ddde+xx")
// as general text, in Latin-1 with "." as separator; returns its length.
std::size_t layOutGeneral(std::string_view scientific, int maxFixedExponent, char* out) {
    char* const start = out;
    if (scientific.front() == '-') {
        *out++ = '-';
        scientific.remove_prefix(1);
    }
    const std::size_t exponentMark = scientific.find('e');
    const char* exponentText = scientific.data() + exponentMark + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);

    std::array<char, 24> digits{};
    int count = 0;
    for (char c : scientific.substr(0, exponentMark))
        if (c != '.')
            digits[static_cast<std::size_t>(count++)] = c;
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0')
        --count;
    const auto digitAt = [&digits, count](int i) {
        return i < count ? digits[static_cast<std::size_t>(i)] : '0';
    };

    if (exponent >= -4 && exponent <= maxFixedExponent) {
        if (exponent < 0) {
            *out++ = '0';
            *out++ = '.';
            out = std::fill_n(out, -exponent - 1, '0');
            out = std::copy_n(digits.data(), count, out);
        } else {
            for (int i = 0; i <= exponent; ++i)
                *out++ = digitAt(i);
            if (count > exponent + 1) {
                *out++ = '.';
                out = std::copy(digits.data() + exponent + 1, digits.data() + count, out);
            }
        }
        return static_cast<std::size_t>(out - start);
    }
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        out = std::copy(digits.data() + 1, digits.data() + count, out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        *out++ = '0';
    out = std::to_chars(out, out + 4, magnitude).ptr;
    return static_cast<std::size_t>(out - start);
}

// The value rounded to its significant digits, in scientific form.
template <typename Real>
std::string_view scientificText(Real value, int significantDigits,
                                std::array<char, GeneralTextCapacity>& buffer) {
    char* const begin = buffer.data();
    char* const end = begin + buffer.size();
    if constexpr (std::is_same_v<Real, double>) {
        // The shortest text that reads back as the value is much quicker to
        // get. With no more digits than wanted it is also the rounded text:
        // a normal double's spacing is finer than the 15-digit grid, so the
        // shortest text is the grid point nearest to the value. Subnormal
        // values are spaced too coarsely for that.
        const char* shortestEnd =
            std::to_chars(begin, end, value, std::chars_format::scientific).ptr;
        const std::string_view shortest(begin, static_cast<std::size_t>(shortestEnd - begin));
        const std::string_view mantissa = shortest.substr(0, shortest.find('e'));
        const auto digits = std::count_if(mantissa.begin(), mantissa.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
        if (digits <= significantDigits && std::abs(value) >= std::numeric_limits<double>::min())
            return shortest;
    }
    const char* roundedEnd =
        std::to_chars(begin, end, value, std::chars_format::scientific, significantDigits - 1).ptr;
    return std::string_view(begin, static_cast<std::size_t>(roundedEnd - begin));
}

template <typename Real>
std::size_t writeGeneral(Real value, int significantDigits, int maxFixedExponent, char* out) {
    if (!std::isfinite(value))
        return writeNonFinite(value, out);
    if (value == 0) {
        *out = '0';
        return 1;
    }
    std::array<char, GeneralTextCapacity> buffer{};
    return layOutGeneral(scientificText(value, significantDigits, buffer), maxFixedExponent, out);
}

template <typename Real>
QString generalTextOf(Real value, int significantDigits, int maxFixedExponent,
                      const QLocale& locale) {
    std::array<char, GeneralTextCapacity> laidOut{};
    const std::size_t length =
        writeGeneral(value, significantDigits, maxFixedExponent, laidOut.data());
    QString text = QString::fromLatin1(laidOut.data(), static_cast<qsizetype>(length));
    // Asking the locale costs more than the layout; whole numbers need not.
    if (text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

} // namespace

std::size_t writeGeneralText(double value, char* out) {
    return writeGeneral(value, 15, 14, out);
}

QString generalText(double value, const QLocale& locale) {
    return generalTextOf(value, 15, 14, locale);
}

QString generalText(float value, const QLocale& locale) {
    return generalTextOf(value, 7, 6, locale);
}

QString fixedText(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value)) {
        std::array<char, GeneralTextCapacity> text{};
        return QString::fromLatin1(text.data(),
                                   static_cast<qsizetype>(writeNonFinite(value, text.data())));
    }
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
