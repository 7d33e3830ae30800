#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/regression/CalibrationRecord.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/ResultCellValue.h>
#include <orvo/regression/RunDiagnostics.h>

#include <QFileInfo>

namespace orvo {

namespace {

QString gradesText(const CalcParams& params) {
    const int first = params[block::FirstGrade];
    if (params[block::SecondGrade] != 0)
        return QStringLiteral("%1&%2").arg(first).arg(params[block::SecondGrade]);
    return QString::number(first);
}

// A file is plain C text: the record is the same on every desk.
QString resultText(float value) {
    return generalText(resultCellValue(value), QLocale::c());
}

std::vector<std::pair<QString, QString>> statisticsOf(const ResultChartData& chart,
                                                      const CalcResults& results, int row) {
    using namespace block;
    std::vector<std::pair<QString, QString>> statistics{
        {QStringLiteral("Correlation"), generalText(chart.correlation, QLocale::c())},
        {QStringLiteral("St.Err."), generalText(chart.stdError, QLocale::c())},
        {QStringLiteral("tTot"), resultText(at(results, row, TTotal))}};
    for (int slot = 0; slot < MaxVariables; ++slot)
        if (at(results, row, FirstSignal + slot) != 0)
            statistics.emplace_back(QStringLiteral("tA%1").arg(slot + 1),
                                    resultText(at(results, row, FirstTCoefficient + slot)));
    statistics.emplace_back(QStringLiteral("tB"), resultText(at(results, row, TConstant)));
    return statistics;
}

void recordSamples(CalibrationRecord& record, const MeasurementData& data,
                   const SampleSelection& selection) {
    record.usableCount = selection.usableCount();
    for (const SampleSelection::RangePoint& point : selection.rangePoints())
        if (point.status != SampleSelection::Status::Usable)
            record.excluded.push_back(
                {point.index,
                 data.getMeasurementPoints(static_cast<int16_t>(point.index))->MeasurementDate,
                 point.status});
}

} // namespace

QString CalibrationRecord::reasonText(SampleSelection::Status status) {
    switch (status) {
    case SampleSelection::Status::Disabled:
        return QStringLiteral("disabled");
    case SampleSelection::Status::OtherGrade:
        return QStringLiteral("grade not taken");
    case SampleSelection::Status::NoLabValue:
        return QStringLiteral("no lab value");
    case SampleSelection::Status::NotFinite:
        return QStringLiteral("value not finite");
    case SampleSelection::Status::Usable:
        break;
    }
    return QStringLiteral("used");
}

CalibrationRecord CalibrationRecord::of(const MeasurementData& data, const QString& fileName,
                                        const RegressionCalculation& calculation, int position) {
    const CalcParams& params = calculation.calcParams();
    const CalcResults& results = calculation.calcResults();
    const int measurement = params[block::Measurement];
    const std::optional<CalibrationFormula> formula =
        calculation.currentFormula(position, measurement);
    if (!formula)
        throw CalibrationError::missingObject(
            QStringLiteral("no current candidate at list position %1").arg(position + 1));
    const int row = calculation.candidateRow(position);
    CalibrationRecord record;
    record.fileName = fileName;
    if (const QFileInfo info(fileName); info.exists())
        record.fileDate = info.lastModified();
    record.quantity = CalibrationFormula::measurementName(measurement);
    record.grades = gradesText(params);
    record.first = params[block::FirstPoint];
    record.last = params[block::LastPoint];
    const RunDiagnostics run(data, params);
    recordSamples(record, data, run.selection());
    record.formulaText = formula->GetFormulaString();
    record.chart = computeResultChart(data, record.first, record.last, results, row, measurement);
    record.statistics = statisticsOf(record.chart, results, row);
    const WorkbenchDiagnostics shown(data, calculation);
    record.diagnostics = shown.candidates()[static_cast<std::size_t>(position)];
    record.flagged = shown.chartNotes(data, record.chart, results, row).flagged;
    record.influence = run.influence(results, row);
    return record;
}

} // namespace orvo
