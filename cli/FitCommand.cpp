#include "FitCommand.h"

#include "CommandParser.h"
#include "DiagnosticsJson.h"
#include "ExitCode.h"
#include "FitRun.h"

#include <orvo/regression/DiagnosticsText.h>
#include <orvo/regression/RunDiagnostics.h>

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
    QString messageText;
    std::vector<CandidateDiagnostics> diagnostics; // per listed candidate
    std::vector<PointInfluence> influence;         // of the first candidate
};

FitResult resultOf(const FitRun& run) {
    const RegressionCalculation& calculation = run.calculation();
    FitResult fit{calculation,
                  run.texts(),
                  calculation.currentFormula(0, run.inputs().measurement),
                  run.message(),
                  run.message() ? run.messageText() : QString(),
                  {},
                  {}};
    if (run.message())
        return fit;
    const RunDiagnostics diagnostics(run.data(), calculation.calcParams());
    for (int k = 0; k < calculation.candidateCount(); ++k)
        fit.diagnostics.push_back(
            diagnostics.candidate(calculation.calcResults(), calculation.candidateRow(k)));
    if (calculation.candidateCount() > 0)
        fit.influence =
            diagnostics.influence(calculation.calcResults(), calculation.candidateRow(0));
    return fit;
}

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
             fit.message ? QJsonValue(QLatin1String(fit.message)) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("diagnostics"), diagnosticsJson(fit.diagnostics)},
            {QStringLiteral("influence"), influenceJson(fit.influence)}};
}

// Each candidate text as the workbench lists it, then its RMSECV and
// predicted R², TAB-separated, so a script can cut the columns off again.
void printCandidates(const FitResult& fit, QTextStream& out) {
    for (qsizetype k = 0; k < fit.texts.size(); ++k) {
        const CandidateDiagnostics& d = fit.diagnostics[static_cast<std::size_t>(k)];
        out << fit.texts[k] << '\t' << diagnosticsText::number(d.rmsecv, QLocale::c()) << '\t'
            << diagnosticsText::number(d.predictedRSquared, QLocale::c()) << "\n";
    }
}

int printResult(const FitResult& fit, bool json) {
    if (json) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return Failure;
        out.write(QJsonDocument(resultJson(fit)).toJson(QJsonDocument::Indented));
    } else if (fit.message) {
        QTextStream(stderr) << "orvo-cal fit: " << fit.messageText << "\n";
    } else {
        QTextStream out(stdout);
        printCandidates(fit, out);
    }
    return fit.message ? Failure : Success;
}

} // namespace

int runFit(const QStringList& arguments) {
    CommandParser command(
        QStringLiteral("fit"),
        QStringLiteral(
            "Fits calibration formulas to a calibration data file as the workbench's "
            "Calculate does, and prints the candidate formulas best first, each with its "
            "RMSECV and predicted R2."),
        {{QStringLiteral("FILE"), QStringLiteral("The calibration data file.")}});
    FitRun::addOptions(command);
    command.addOption({QStringLiteral("json"),
                       QStringLiteral("Print the blocks, the diagnostics of every candidate and "
                                      "the influence of each point on the first one as JSON.")});
    if (const auto done = command.parse(arguments))
        return *done;
    FitRun run;
    if (const auto done = run.run(command))
        return *done;
    return printResult(resultOf(run), command.parser().isSet("json"));
}

} // namespace orvo::cli
