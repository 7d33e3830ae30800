#include <orvo/model/CalibrationError.h>
#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/FieldText.h>
#include <orvo/model/LeadingNumber.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/Rounding.h>
#include <orvo/model/TextFile.h>

#include <QLocale>
#include <QStringList>

#include <array>

namespace orvo {

namespace {

using Coefficient = float CalibrationFormula::*;

constexpr std::array<Coefficient, 10> coefficients = {
    &CalibrationFormula::a1,  &CalibrationFormula::a2, &CalibrationFormula::a3,
    &CalibrationFormula::a4,  &CalibrationFormula::a5, &CalibrationFormula::a6,
    &CalibrationFormula::a7,  &CalibrationFormula::a8, &CalibrationFormula::a9,
    &CalibrationFormula::a10,
};

constexpr std::array<const char16_t*, 4> measurementNames = {u"Cons", u"Ash", u"Res1", u"Res2"};
constexpr std::array<const char16_t*, 3> gradeTexts = {u"1", u"2", u"1&2"};
constexpr std::array<const char16_t*, 10> signalNames = {
    u"DLed", u"ALed", u"SLed", u"ALaser", u"SLaser", u"DpLed", u"S7", u"S8", u"S9", u"S10"};

constexpr qsizetype parameterFields = 13;

const QString lineEnd = QStringLiteral("\r\n");

template <std::size_t N> QString nameAt(const std::array<const char16_t*, N>& names, int index) {
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    return QString::fromUtf16(names[static_cast<std::size_t>(index)]);
}

template <std::size_t N>
int indexOf(const std::array<const char16_t*, N>& names, const QString& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == QString::fromUtf16(names[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace

QString CalibrationFormula::parameterNotice() const {
    const QLocale locale;
    QStringList lines;
    lines << QStringLiteral("Following parameters will be sent to DTM: ")
          << QStringLiteral("formula: ") + measurementName(formula).toLower()
          << QStringLiteral("grade: ") + gradeText(Grade);
    for (int k = 1; k <= 10; ++k)
        lines << QStringLiteral("a%1: ").arg(k) + generalText(coefficient(k), locale);
    lines << QStringLiteral("b: ") + generalText(b, locale);
    return lines.join(QLatin1Char('\n'));
}

QString CalibrationFormula::GetFormulaString() const {
    const QLocale locale;
    QString text = measurementName(formula) + QStringLiteral(" = ");
    bool anyTerm = false;
    for (int k = 1; k <= 10; ++k) {
        const float c = coefficient(k);
        if (c == 0)
            continue;
        const QString term = QStringLiteral(" * ") + signalName(k) + QLatin1Char(' ');
        if (c < 0)
            text += QStringLiteral(" - ") + generalText(-c, locale) + term;
        else if (!anyTerm)
            text += generalText(c, locale) + term;
        else
            text += QStringLiteral(" + ") + generalText(c, locale) + term;
        anyTerm = true;
    }
    if (b > 0)
        text += QStringLiteral(" + ") + generalText(b, locale);
    else
        text += QStringLiteral(" - ") + generalText(-b, locale);
    return text;
}

bool CalibrationFormula::ReadFile(const QString& FileName) {
    return readText(TextFile::readAll(FileName));
}

bool CalibrationFormula::readText(const QString& text) {
    const QStringList lines = fieldtext::linesOf(text);
    if (lines.size() < 2)
        throw CalibrationError::outOfRange(QStringLiteral("the parameter file has no second line"))
            .atFileLine(2);
    QString values = lines[1];
    values.replace(QLatin1Char(','), QLatin1Char('.'));
    const QStringList fields = values.split(QLatin1Char('\t'));
    if (fields.size() != parameterFields)
        return false;

    // Coefficients are converted before anything is stored, so that a value
    // beyond the float range leaves the formula untouched.
    std::array<float, 11> numbers{};
    try {
        for (std::size_t i = 0; i < numbers.size(); ++i)
            numbers[i] = toFloatChecked(leadingNumber(fields[static_cast<qsizetype>(i) + 2]));
    } catch (const CalibrationError& error) {
        throw error.atFileLine(2);
    }
    bool complete = true;
    const int measurement = indexOf(measurementNames, fields[0]);
    if (measurement >= 0)
        formula = static_cast<int16_t>(measurement);
    else
        complete = false;
    const int grade = indexOf(gradeTexts, fields[1]);
    if (grade >= 0)
        Grade = static_cast<int16_t>(grade + 1);
    else
        complete = false;
    for (int k = 1; k <= 10; ++k)
        setCoefficient(k, numbers[static_cast<std::size_t>(k - 1)]);
    b = numbers[10];
    return complete;
}

void CalibrationFormula::SaveFile(const QString& FileName) const {
    TextFile::write(FileName, buildParText());
}

QString CalibrationFormula::buildParText() const {
    // The C locale writes a decimal point whatever the user's locale is.
    const QLocale fileLocale = QLocale::c();
    QStringList header{QStringLiteral("Measurement"), QStringLiteral("Grade")};
    QStringList values{measurementName(formula), gradeText(Grade)};
    for (int k = 1; k <= 10; ++k) {
        header << signalName(k);
        values << generalText(coefficient(k), fileLocale);
    }
    header << QStringLiteral("(offset)");
    values << generalText(b, fileLocale);
    return header.join(QLatin1Char('\t')) + lineEnd + values.join(QLatin1Char('\t')) + lineEnd;
}

int16_t CalibrationFormula::countTerms() const {
    int16_t terms = 0;
    for (Coefficient c : coefficients)
        if (this->*c != 0)
            ++terms;
    return terms;
}

float CalibrationFormula::coefficient(int number) const {
    if (number < 1 || number > static_cast<int>(coefficients.size()))
        return 0;
    return this->*coefficients[static_cast<std::size_t>(number - 1)];
}

void CalibrationFormula::setCoefficient(int number, float value) {
    if (number < 1 || number > static_cast<int>(coefficients.size()))
        return;
    this->*coefficients[static_cast<std::size_t>(number - 1)] = value;
}

QString CalibrationFormula::measurementName(int code) {
    return nameAt(measurementNames, code);
}

QString CalibrationFormula::gradeText(int grade) {
    return nameAt(gradeTexts, grade - 1);
}

QString CalibrationFormula::signalName(int number) {
    return nameAt(signalNames, number - 1);
}

} // namespace orvo
