#include "Caught.h"
#include "LocaleScope.h"

#include <orvo/model/FormulaBoxNumber.h>
#include <orvo/model/LabValueText.h>
#include <orvo/model/LeadingNumber.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/Rounding.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>

namespace {

using orvo::ErrorNumber;
using orvo::test::commaLocale;
using orvo::test::errorOf;
using orvo::test::pointLocale;

// Fifteen digits laid out as Qt's %g lays them out, except exact ties (a 5
// and nothing after it past the 15th digit), which Qt rounds up and the
// general text to even.
TEST(NumberText, GeneralTextOfDoubleIsQtsFifteenDigitFormButRoundsTiesToEven) {
    const std::pair<double, const char*> cases[] = {{0.0, "0"},
                                                    {-0.0, "0"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {999999999999999.4, "999999999999999"},
                                                    {999999999999999.6, "1E+15"},
                                                    {1000000000000005.0, "1E+15"},
                                                    {-2.5e-300, "-2.5E-300"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(orvo::generalText(value, QLocale::c()).toStdString(), text);
        EXPECT_EQ(orvo::generalText(value, commaLocale()), QString(text).replace('.', ','));
    }
    std::mt19937_64 random(42);
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = random();
        // Any bit pattern, or a short decimal as a data file holds it.
        double value = static_cast<double>(static_cast<int64_t>(bits % 2000000001) - 1000000000) /
                       std::pow(10.0, static_cast<double>(bits >> 60));
        if (i % 2 == 0)
            std::memcpy(&value, &bits, sizeof value);
        const QString exact = QString::number(value, 'e', 40);
        if (!std::isfinite(value) || value == 0 ||
            exact.mid(exact.indexOf('.') + 15, 26) == "5" + QString(25, '0'))
            continue;
        ASSERT_EQ(orvo::generalText(value, QLocale::c()).toStdString(),
                  QString::number(value, 'g', 15).toUpper().toStdString());
    }
}

TEST(NumberText, FixedTextHasLeadingZeroNoGroupingAndNoSignOnZero) {
    EXPECT_EQ(orvo::fixedText(1234567.891, 4, pointLocale()), "1234567.8910");
    EXPECT_EQ(orvo::fixedText(1234567.891, 4, commaLocale()), "1234567,8910");
    EXPECT_EQ(orvo::fixedText(0.5, 2, pointLocale()), "0.50");
    EXPECT_EQ(orvo::fixedText(-0.125, 2, pointLocale()), "-0.12");
    EXPECT_EQ(orvo::fixedText(-0.00001, 4, pointLocale()), "0.0000");
    EXPECT_EQ(orvo::fixedText(2.5, 0, pointLocale()), "2");
}

TEST(LeadingNumber, ReadsTheLeadingNumberAndNeverFails) {
    // Blanks, TABs and line feeds are skipped anywhere, nothing else is; E, e,
    // D and d mark an exponent, which needs digits.
    EXPECT_EQ(orvo::leadingNumber(QStringLiteral("1\t2\n3")), 123);
    EXPECT_EQ(orvo::leadingNumber(QStringLiteral("\r5")), 0);
    const std::pair<const char*, double> cases[] = {
        {"  -3.25abc", -3.25}, {"- 7", -7},    {"1 .5 E -1", 0.15},
        {"+.5", 0.5},          {"5.", 5},      {"1,5", 1},
        {"1.2.3", 1.2},        {"017", 17},    {"1.5E+3", 1500},
        {"1D3", 1000},         {"2d-2", 0.02}, {"1e+", 1},
        {"1e5e5", 1e5},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(orvo::leadingNumber(QString::fromLatin1(text)), value) << text;
    // No number, a name, a prefix or a number beyond a double.
    for (const char* text : {"", "abc", ".", "-", "+-5", "-+5", "nan", "inf", "-Infinity", "0x1A",
                             "&H1A", "&O17", "1e400", "1e99999999999999", "1e-5000"})
        EXPECT_EQ(orvo::leadingNumber(QString::fromLatin1(text)), 0) << text;
    const QString digits = QStringLiteral("12345");
    EXPECT_EQ(orvo::leadingNumber(QStringView(digits).first(2)), 12);
    EXPECT_EQ(orvo::leadingNumber(QString(100000, '9')), 0);
}

// Short texts of digits, signs, points and E take a quicker road than texts
// with blanks; both must read the same.
TEST(LeadingNumber, QuickAndCharacterWiseReadingAgree) {
    const char alphabet[] = "0123456789+-.eE";
    std::mt19937 random(12345);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int length = 1 + static_cast<int>(random() % 12); length > 0; --length)
            text += QLatin1Char(alphabet[random() % (sizeof(alphabet) - 1)]);
        ASSERT_EQ(orvo::leadingNumber(text), orvo::leadingNumber(' ' + text)) << text.toStdString();
    }
}

TEST(LocaleNumber, StrictConversionFollowsTheLocaleAndRefusesWhatIsNotANumberOrDoesNotFit) {
    EXPECT_EQ(orvo::toDoubleStrict(" 12.5 ", pointLocale()), 12.5);
    EXPECT_EQ(orvo::toDoubleStrict("12,5", commaLocale()), 12.5);
    EXPECT_EQ(orvo::toInt16Strict("2,5", commaLocale()), 2);
    // Empty, names, junk, grouping and the other locale's decimal sign.
    for (const char* text : {"", "nan", "inf", "12abc", "1,234.5"})
        EXPECT_EQ(errorOf([&] { orvo::toDoubleStrict(text, pointLocale()); }),
                  ErrorNumber::TypeMismatch)
            << text;
    EXPECT_EQ(errorOf([] { orvo::toDoubleStrict("12.5", commaLocale()); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorOf([] { orvo::toDoubleStrict("1e400", pointLocale()); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { orvo::toInt32Strict("2147483648", pointLocale()); }),
              ErrorNumber::Overflow);
    orvo::test::LocaleScope scope(commaLocale());
    EXPECT_EQ(orvo::toDoubleStrict("0,25"), 0.25);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4},   {0.5, 0},
        {2.4, 2}, {2.6, 3}, {-2.6, -3}, {1e16, 1e16}, {4503599627370497.0, 4503599627370497.0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(orvo::roundHalfEven(value), rounded) << value;
    EXPECT_EQ(orvo::roundToInt16(-32768.4), -32768);
    EXPECT_EQ(orvo::roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(errorOf([] { orvo::roundToInt16(-32768.6); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { orvo::roundToInt32(std::nan("")); }), ErrorNumber::Overflow);
}

TEST(Rounding, NarrowingToFloatRefusesOnlyFiniteValuesBeyondItsRange) {
    constexpr float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(orvo::toFloatChecked(1.5), 1.5f);
    // Half a unit in the last place above the largest float still rounds to it.
    EXPECT_EQ(orvo::toFloatChecked(3.4028235e38), largest);
    EXPECT_EQ(orvo::toFloatChecked(-3.4028235e38), -largest);
    EXPECT_TRUE(std::isinf(orvo::toFloatChecked(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(orvo::toFloatChecked(std::nan(""))));
    EXPECT_EQ(errorOf([] { orvo::toFloatChecked(1e39); }), ErrorNumber::Overflow);
}

TEST(LabValueText, ReadsTheLocalesNumbersAndRefusesWhatItsTextWouldNotGiveBack) {
    const QLocale point = pointLocale();
    const QLocale comma = commaLocale();
    const std::tuple<const QLocale&, const char*, double> cases[] = {
        {point, "1.5", 1.5},          {point, "-1,234.5", -1234.5}, {point, "1e3", 1000},
        {point, "1.5E+300", 1.5e300}, {comma, "1,5", 1.5},          {comma, "1.234,5", 1234.5},
    };
    for (const auto& [locale, text, value] : cases)
        EXPECT_EQ(orvo::labValueFromText(QString::fromLatin1(text), locale), value)
            << locale.name().toStdString() << " " << text;
    // Another locale's separator, or one that groups wrongly; no number; more
    // digits than the 15 that its text keeps.
    EXPECT_FALSE(orvo::labValueFromText(QStringLiteral("12.5"), comma));
    for (const char* text :
         {"1,5", "", "abc", "nan", "1e999", "0.30000000000000004", "1234567890123456"})
        EXPECT_FALSE(orvo::labValueFromText(QString::fromLatin1(text), point)) << text;
    EXPECT_FALSE(std::signbit(*orvo::labValueFromText(QStringLiteral("-0"), point)));
}

// Canonical texts read alike in every locale; the rest fall to the zero rule
// and then to the locale, which refuses grouping and anything not a number.
TEST(FormulaBoxNumber, CanonicalZeroAndLocaleRulesInAPointAndACommaLocale) {
    using Value = std::optional<float>;
    constexpr Value none = std::nullopt;
    // Text, canonical, a zero with decimals, value in a point and in a comma locale.
    const std::tuple<const char*, bool, bool, Value, Value> cases[] = {
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
    for (const auto& [text, canonical, zeroWithDecimals, inPointLocale, inCommaLocale] : cases) {
        for (const bool comma : {false, true}) {
            const QLocale locale = comma ? commaLocale() : pointLocale();
            SCOPED_TRACE(std::string("\"") + text + (comma ? "\" comma" : "\" point"));
            const QString box = QString::fromLatin1(text);
            EXPECT_EQ(orvo::FormulaBoxNumber::isCanonical(box, locale), canonical);
            EXPECT_EQ(orvo::FormulaBoxNumber::isZeroWithDecimals(box), zeroWithDecimals);
            EXPECT_EQ(orvo::FormulaBoxNumber::value(box, locale),
                      comma ? inCommaLocale : inPointLocale);
        }
    }
}

} // namespace
