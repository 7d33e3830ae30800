#include <orvo/model/LeadingNumber.h>

#include <QVarLengthArray>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace orvo {

namespace {

bool isIgnored(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isExponentMark(QChar c) {
    const char16_t u = c.unicode();
    return u == u'E' || u == u'e' || u == u'D' || u == u'd';
}

bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// Walks the text skipping ignored characters, so the grammar below sees
// only the characters that count.
class SignificantCharacters {
public:
    explicit SignificantCharacters(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_position >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_position]; }
    void advance() {
        ++m_position;
        skip();
    }

private:
    void skip() {
        while (!atEnd() && isIgnored(m_text[m_position]))
            ++m_position;
    }

    QStringView m_text;
    qsizetype m_position = 0;
};

double fromCharsOrZero(const char* begin, const char* end) {
    double value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

// The usual field is a short number with nothing to skip ("-12.5",
// "1.5E-07"). Made only of digits, signs, "." and E, such a text is read
// by from_chars exactly as the walk below would read it, only faster.
std::optional<double> plainNumber(QStringView text) {
    std::array<char, 32> bytes{};
    if (text.isEmpty() || text.size() > static_cast<qsizetype>(bytes.size()))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!isDigit(c) && !isSign(c) && c != QLatin1Char('.') && c != QLatin1Char('E') &&
            c != QLatin1Char('e'))
            return std::nullopt;
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(c.unicode());
    }
    const char* begin = bytes.data();
    const char* end = begin + text.size();
    // from_chars knows no plus sign; a second sign ends the number.
    if (*begin == '+') {
        ++begin;
        if (begin != end && (*begin == '+' || *begin == '-'))
            return 0.0;
    }
    return fromCharsOrZero(begin, end);
}

} // namespace

double leadingNumber(QStringView text) {
    if (const std::optional<double> plain = plainNumber(text))
        return *plain;
    SignificantCharacters input(text);
    // Room for any ordinary number without touching the heap.
    QVarLengthArray<char, 64> number;
    if (isSign(input.peek())) {
        if (input.peek() == QLatin1Char('-'))
            number.append('-');
        input.advance();
    }
    bool hasDigits = false;
    while (isDigit(input.peek())) {
        number.append(static_cast<char>(input.peek().unicode()));
        hasDigits = true;
        input.advance();
    }
    if (input.peek() == QLatin1Char('.')) {
        number.append('.');
        input.advance();
        while (isDigit(input.peek())) {
            number.append(static_cast<char>(input.peek().unicode()));
            hasDigits = true;
            input.advance();
        }
    }
    if (!hasDigits)
        return 0;
    if (isExponentMark(input.peek())) {
        const qsizetype mantissaLength = number.size();
        number.append('e');
        input.advance();
        if (isSign(input.peek())) {
            number.append(static_cast<char>(input.peek().unicode()));
            input.advance();
        }
        bool hasExponentDigits = false;
        while (isDigit(input.peek())) {
            number.append(static_cast<char>(input.peek().unicode()));
            hasExponentDigits = true;
            input.advance();
        }
        // "1E" or "1e+" is the number 1: the exponent needs digits.
        if (!hasExponentDigits)
            number.resize(mantissaLength);
    }
    return fromCharsOrZero(number.data(), number.data() + number.size());
}

} // namespace orvo
