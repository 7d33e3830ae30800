#include "model/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <string>

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

} // namespace

double leadingNumber(QStringView text) {
    SignificantCharacters input(text);
    std::string number;
    if (isSign(input.peek())) {
        if (input.peek() == QLatin1Char('-'))
            number += '-';
        input.advance();
    }
    bool hasDigits = false;
    while (isDigit(input.peek())) {
        number += static_cast<char>(input.peek().unicode());
        hasDigits = true;
        input.advance();
    }
    if (input.peek() == QLatin1Char('.')) {
        number += '.';
        input.advance();
        while (isDigit(input.peek())) {
            number += static_cast<char>(input.peek().unicode());
            hasDigits = true;
            input.advance();
        }
    }
    if (!hasDigits)
        return 0;
    if (isExponentMark(input.peek())) {
        std::string exponent = "e";
        input.advance();
        if (isSign(input.peek())) {
            exponent += static_cast<char>(input.peek().unicode());
            input.advance();
        }
        bool hasExponentDigits = false;
        while (isDigit(input.peek())) {
            exponent += static_cast<char>(input.peek().unicode());
            hasExponentDigits = true;
            input.advance();
        }
        if (hasExponentDigits)
            number += exponent;
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

} // namespace orvo
