#include "LocaleScope.h"
#include "model/CalibrationError.h"
#include "model/LeadingNumber.h"
#include "model/LocaleNumber.h"
#include "model/NumberText.h"
#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using orvo::CalibrationError;
using orvo::ErrorNumber;
using orvo::test::commaLocale;
using orvo::test::pointLocale;

struct DoubleText {
    double value;
    const char* text;
};

TEST(NumberText, GeneralTextOfDoubleRoundsTo15DigitsAndSwitchesToExponentOutside1e14) {
    const DoubleText cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18"},
        {0.1 + 0.2, "0.3"},
        {-12.5, "-12.5"},
        {100.0, "100"},
        {999999999999999.4, "999999999999999"},
        {999999999999999.6, "1E+15"},
        {1e100, "1E+100"},
        {-2.5e-300, "-2.5E-300"},
        {0.000123456789012345678, "0.000123456789012346"},
    };
    for (const DoubleText& c : cases) {
        EXPECT_EQ(orvo::generalText(c.value, QLocale::c()), QLatin1String(c.text)) << c.text;
        EXPECT_EQ(orvo::generalText(c.value, pointLocale()), QLatin1String(c.text)) << c.text;
        QString comma = QLatin1String(c.text);
        comma.replace(QLatin1Char('.'), QLatin1Char(','));
        EXPECT_EQ(orvo::generalText(c.value, commaLocale()), comma) << c.text;
    }
}

// Qt's own %g-style text switches to the exponent form at the same exponents
// and rounds the same way, except exact ties (a 5 and nothing after it past
// the 15th digit), which Qt rounds up and the general text to even.
TEST(NumberText, GeneralTextOfDoubleAgreesWithQtsRoundingOnManyValues) {
    uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = next();
        double value = 0;
        if (i % 2 == 0) {
            std::memcpy(&value, &bits, sizeof value);
        } else {
            // Short decimals, the usual content of a data file.
            value = static_cast<double>(static_cast<int64_t>(bits % 2000000001) - 1000000000) /
                    std::pow(10.0, static_cast<double>(bits >> 60));
        }
        if (!std::isfinite(value) || value == 0)
            continue;
        const QString exact = QString::number(value, 'e', 40);
        if (exact.mid(exact.indexOf(QLatin1Char('.')) + 15, 26) ==
            QStringLiteral("5") + QString(25, QLatin1Char('0')))
            continue;
        const QString expected = QString::number(value, 'g', 15).toUpper();
        ASSERT_EQ(orvo::generalText(value, QLocale::c()), expected) << expected.toStdString();
    }
}

TEST(NumberText, GeneralTextOfFloatUsesTheFloatsOwnSevenDigits) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {12345678.0f, "1.234568E+07"},
        {1234567.0f, "1234567"},
        {0.1f, "0.1"},
        {-0.25f, "-0.25"},
        {3.4028235e38f, "3.402823E+38"},
        {1e-5f, "1E-05"},
        {0.0001f, "0.0001"},
        {-0.0f, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvo::generalText(c.value, QLocale::c()), QLatin1String(c.text)) << c.text;
    EXPECT_EQ(orvo::generalText(1.5f, commaLocale()), "1,5");
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
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5},
        {"  -3.25abc", -3.25},
        {"1 2 3", 123},
        {"1\t2\n3", 123},
        {"+.5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1D3", 1000},
        {"2d-2", 0.02},
        {"1E", 1},
        {"1e+", 1},
        {"- 7", -7},
        {"1,5", 1},
        {"1.2.3", 1.2},
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"-", 0},
        {"nan", 0},
        {"inf", 0},
        {"infinity", 0},
        {"-Infinity", 0},
        {"0x1A", 0},
        {"&H1A", 0},
        {"&O17", 0},
        {"017", 17},
        {"1e400", 0},
        {"-1e400", 0},
        {"1e99999999999999", 0},
        {"True", 0},
        {"1e-5000", 0},
        {"\r5", 0},
        {"+-5", 0},
        {"-+5", 0},
        {"--5", 0},
        {"1e5e5", 1e5},
        {"1.5E+3", 1500},
        {"1 .5 E -1", 0.15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvo::leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

// Short texts of digits, signs, points and E take a quicker road than texts
// with blanks; both must read the same.
TEST(LeadingNumber, QuickAndCharacterWiseReadingAgree) {
    const char alphabet[] = "0123456789+-.eE";
    uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = 1 + static_cast<int>(state % 12);
        for (int k = 0; k < length; ++k) {
            state = state * 1664525u + 1013904223u;
            text += QLatin1Char(alphabet[(state >> 16) % (sizeof(alphabet) - 1)]);
        }
        const double quick = orvo::leadingNumber(text);
        const double walked = orvo::leadingNumber(QLatin1Char(' ') + text);
        ASSERT_EQ(quick, walked) << text.toStdString();
    }
}

TEST(LeadingNumber, ReadsOnlyTheViewItIsGiven) {
    const QString text = QStringLiteral("12345");
    EXPECT_EQ(orvo::leadingNumber(QStringView(text).first(2)), 12);
    EXPECT_EQ(orvo::leadingNumber(QStringView()), 0);
    EXPECT_EQ(orvo::leadingNumber(QString(100000, QLatin1Char('9'))), 0);
}

TEST(LocaleNumber, StrictConversionFollowsTheLocale) {
    EXPECT_EQ(orvo::toDoubleStrict(" 12.5 ", pointLocale()), 12.5);
    EXPECT_EQ(orvo::toDoubleStrict("12,5", commaLocale()), 12.5);
    EXPECT_EQ(orvo::toInt16Strict("2.5", pointLocale()), 2);
    EXPECT_EQ(orvo::toInt16Strict("3,5", commaLocale()), 4);
    EXPECT_EQ(orvo::toInt32Strict("-2.5", pointLocale()), -2);
    EXPECT_EQ(orvo::toInt32Strict("100000", pointLocale()), 100000);
    {
        orvo::test::LocaleScope scope(commaLocale());
        EXPECT_EQ(orvo::toDoubleStrict("0,25"), 0.25);
    }
}

TEST(LocaleNumber, RefusesWhatIsNotANumberOrDoesNotFit) {
    const struct {
        const char* text;
        QLocale locale;
        ErrorNumber error;
    } cases[] = {
        {"", pointLocale(), ErrorNumber::TypeMismatch},
        {"nan", pointLocale(), ErrorNumber::TypeMismatch},
        {"inf", pointLocale(), ErrorNumber::TypeMismatch},
        {"12abc", pointLocale(), ErrorNumber::TypeMismatch},
        {"0x1A", pointLocale(), ErrorNumber::TypeMismatch},
        {"12.5", commaLocale(), ErrorNumber::TypeMismatch},
        {"1,234.5", pointLocale(), ErrorNumber::TypeMismatch},
        {"1e400", pointLocale(), ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        try {
            orvo::toDoubleStrict(QLatin1String(c.text), c.locale);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const CalibrationError& e) {
            EXPECT_EQ(e.number(), c.error) << c.text;
        }
    }
    EXPECT_EQ(orvo::toInt16Strict("32767", pointLocale()), 32767);
    try {
        orvo::toInt16Strict("32768", pointLocale());
        ADD_FAILURE() << "32768 fits no 16-bit integer";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
    EXPECT_THROW(orvo::toInt32Strict("2147483648", pointLocale()), CalibrationError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        double rounded;
    } cases[] = {{2.5, 2},  {3.5, 4},   {-2.5, -2},   {-3.5, -4},
                 {0.5, 0},  {1.5, 2},   {2.4, 2},     {2.6, 3},
                 {-0.4, 0}, {-2.6, -3}, {1e16, 1e16}, {4503599627370497.0, 4503599627370497.0}};
    for (const auto& c : cases)
        EXPECT_EQ(orvo::roundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(orvo::roundToInt16(-32768.4), -32768);
    EXPECT_THROW(orvo::roundToInt16(-32768.6), CalibrationError);
    EXPECT_THROW(orvo::roundToInt32(std::nan("")), CalibrationError);
    EXPECT_EQ(orvo::roundToInt32(2147483647.4), 2147483647);
}

TEST(Rounding, NarrowingToFloatRefusesOnlyFiniteValuesBeyondItsRange) {
    constexpr float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(orvo::toFloatChecked(1.5), 1.5f);
    EXPECT_EQ(orvo::toFloatChecked(3.4028235e38), largest);
    EXPECT_EQ(orvo::toFloatChecked(-3.4028235e38), -largest);
    EXPECT_TRUE(std::isinf(orvo::toFloatChecked(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(orvo::toFloatChecked(std::nan(""))));
    try {
        orvo::toFloatChecked(1e39);
        ADD_FAILURE() << "1e39 fits no float";
    } catch (const CalibrationError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

} // namespace
