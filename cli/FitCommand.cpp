#include "FitCommand.h"

#include "CommandParser.h"
#include "DataFileReader.h"
#include "DateOrderQuestion.h"
#include "ExitCode.h"

#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/regression/RegressionCalculation.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace orvo::cli {

namespace {

const QStringList quantities{QStringLiteral("Cons"), QStringLiteral("Ash"), QStringLiteral("Res1"),
                             QStringLiteral("Res2")};

QCommandLineOption valueOption(const char* name, const char* description, const char* value) {
    return {QString::fromLatin1(name), QString::fromLatin1(description),
            QString::fromLatin1(value)};
}

// The float's shortest decimal text read back as a double, so JSON shows
// 0.95 and not the float's binary expansion 0.949999988079071.
double jsonNumber(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}

QJsonObject formulaJson(const CalibrationFormula& formula) {
    QJsonObject json{{QStringLiteral("formula"), formula.formula},
                     {QStringLiteral("Grade"), formula.Grade},
                     {QStringLiteral("line"), formula.line},
                     {QStringLiteral("b"), jsonNumber(formula.b)}};
    for (int k = 1; k <= 10; ++k)
        json.insert(QStringLiteral("a%1").arg(k), jsonNumber(formula.coefficient(k)));
    json.insert(QStringLiteral("text"), formula.GetFormulaString());
    return json;
}

struct FitResult {
    const RegressionCalculation& calculation;
    QStringList texts;
    std::optional<CalibrationFormula> formula;
    const char* message;
};

QJsonObject resultJson(const FitResult& fit) {
    QJsonArray params;
    for (int32_t element : fit.calculation.calcParams())
        params.append(element);
    QJsonArray results;
    for (float value : fit.calculation.calcResults())
        results.append(jsonNumber(value));
    QJsonArray candidates;
    for (int k = 0; k < fit.texts.size(); ++k)
        candidates.append(QJsonObject{{QStringLiteral("row"), fit.calculation.candidateRow(k)},
                                      {QStringLiteral("text"), fit.texts[k]}});
    return {{QStringLiteral("calcParams"), params},
            {QStringLiteral("calcResults"), results},
            {QStringLiteral("candidates"), candidates},
            {QStringLiteral("formula"),
             fit.formula ? QJsonValue(formulaJson(*fit.formula)) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("message"),
             fit.message ? QJsonValue(QLatin1String(fit.message)) : QJsonValue(QJsonValue::Null)}};
}

int printResult(const FitResult& fit, bool json) {
    if (json) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return Failure;
        out.write(QJsonDocument(resultJson(fit)).toJson(QJsonDocument::Indented));
    } else if (fit.message) {
        QTextStream(stderr) << "orvo-cal fit: " << fit.message << "\n";
    } else {
        QTextStream out(stdout);
        for (const QString& text : fit.texts)
            out << text << "\n";
    }
    return fit.message ? Failure : Success;
}

std::optional<RegressionInputs> inputsFrom(const QCommandLineParser& parser, int pointCount,
                                           QString& problem) {
    RegressionInputs inputs;
    inputs.measurement = static_cast<int>(quantities.indexOf(parser.value("quantity")));
    bool isNumber = false;
    const int variables = parser.value("variables").toInt(&isNumber);
    const QString grades = parser.value("grades");
    if (inputs.measurement < 0)
        problem = QStringLiteral("--quantity takes Cons, Ash, Res1 or Res2");
    else if (!isNumber || variables < 1 || variables > 5)
        problem = QStringLiteral("--variables takes a number from 1 to 5");
    else if (grades != "1" && grades != "2" && grades != "1,2")
        problem = QStringLiteral("--grades takes 1, 2 or 1,2");
    if (!problem.isEmpty())
        return std::nullopt;
    inputs.variablesPosition = variables - 1;
    inputs.takeGrade1 = grades != "2";
    inputs.takeGrade2 = grades != "1";
    inputs.startText = parser.isSet("first") ? parser.value("first") : QStringLiteral("1");
    inputs.endText = parser.isSet("last") ? parser.value("last") : QString::number(pointCount);
    return inputs;
}

} // namespace

int runFit(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("fit"),
        QStringLiteral("Fits calibration formulas to a calibration data file as the workbench's "
                       "Calculate does, and prints the candidate formulas best first."),
        {{QStringLiteral("FILE"), QStringLiteral("The calibration data file.")}});
    command.addOption(valueOption("quantity", "Lab quantity: Cons, Ash, Res1 or Res2.", "Q"));
    command.addOption(valueOption("variables", "Number of signals in a formula, 1 to 5.", "K"));
    command.addOption(valueOption("grades", "Grades to take: 1, 2 or 1,2.", "G"));
    command.addOption(valueOption("first", "First point of the range (default 1).", "F"));
    command.addOption(valueOption("last", "Last point of the range (default: all).", "L"));
    command.addOption({QStringLiteral("json"), QStringLiteral("Print the blocks as JSON.")});
    command.addOption(DateOrderQuestion::option());
    if (const auto done = command.parse(arguments))
        return *done;
    for (const char* required : {"quantity", "variables", "grades"})
        if (!command.parser().isSet(QLatin1String(required)))
            return command.usageError(QStringLiteral("--%1 is required").arg(required));
    const QString file = command.positional(0);
    MeasurementData data;
    const DataFileRead read = readDataFile(command, file, data);
    if (read.usageExit)
        return *read.usageExit;
    if (read.error)
        return reportFileError(QStringLiteral("fit"), file, *read.error);
    QString problem;
    const auto inputs = inputsFrom(command.parser(), data.pointCount(), problem);
    if (!inputs)
        return command.usageError(problem);

    RegressionCalculation calculation;
    const char* message = messageKey(calculation.fullRun(data, *inputs));
    QStringList texts;
    if (!message) {
        calculation.markResultsValid();
        texts = calculation.fillFormulaList(QLatin1String(key::correlation));
    }
    const FitResult fit{calculation, texts, calculation.currentFormula(0, inputs->measurement),
                        message};
    return printResult(fit, command.parser().isSet("json"));
}

} // namespace orvo::cli
