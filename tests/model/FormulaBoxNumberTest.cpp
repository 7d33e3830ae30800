#include "LocaleScope.h"

#include <orvo/model/FormulaBoxNumber.h>

#include <gtest/gtest.h>

#include <optional>

namespace {

using orvo::FormulaBoxNumber;

constexpr std::optional<float> none = std::nullopt;

struct BoxCase {
    const char* text;
    bool canonical;
    bool zeroWithDecimals;
    std::optional<float> inPointLocale;
    std::optional<float> inCommaLocale;
};

// Canonical texts read alike in every locale; the rest fall to the zero rule
// and then to the locale, which refuses grouping and anything not a number.
const BoxCase boxCases[] = {
    {"1.5", true, false, 1.5f, 1.5f},       {"1,5", true, false, 1.5f, 1.5f},
    {"-0.25", true, false, -0.25f, -0.25f}, {"0", true, false, 0.0f, 0.0f},
    {"12", true, false, 12.0f, 12.0f},      {"1E-05", true, false, 1e-5f, 1e-5f},
    {"1.50", false, false, 1.5f, none},     {"1,50", false, false, none, 1.5f},
    {".5", false, false, 0.5f, none},       {"+1", false, false, 1.0f, 1.0f},
    {" 1", false, false, 1.0f, 1.0f},       {"1.5x", false, false, none, none},
    {"", false, false, none, none},         {"1E+39", true, false, none, none},
    {"0.0", false, true, 0.0f, 0.0f},       {"0,000", false, true, 0.0f, 0.0f},
    {"00.0", false, true, 0.0f, 0.0f},      {"0.", false, false, 0.0f, none},
    {"-0.0", false, false, -0.0f, none},    {"0.01", true, false, 0.01f, 0.01f},
    {"0.0.0", false, false, none, none},
};

TEST(FormulaBoxNumber, CanonicalZeroAndLocaleRulesInAPointAndACommaLocale) {
    for (const BoxCase& c : boxCases) {
        const QString text = QString::fromLatin1(c.text);
        for (const QLocale& locale : {orvo::test::pointLocale(), orvo::test::commaLocale()}) {
            const bool comma = locale == orvo::test::commaLocale();
            SCOPED_TRACE(std::string("\"") + c.text + (comma ? "\" comma" : "\" point"));
            EXPECT_EQ(FormulaBoxNumber::isCanonical(text, locale), c.canonical);
            EXPECT_EQ(FormulaBoxNumber::isZeroWithDecimals(text), c.zeroWithDecimals);
            EXPECT_EQ(FormulaBoxNumber::value(text, locale),
                      comma ? c.inCommaLocale : c.inPointLocale);
        }
    }
}

} // namespace
