#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/regression/CalibrationRecord.h>
#include <orvo/regression/RunDiagnostics.h>

#include <QFileInfo>

#include <algorithm>

namespace orvo {

namespace {

QString gradesText(const CalcParams& params) {
    const int first = params[block::FirstGrade];
    if (params[block::SecondGrade] != 0)
        return QStringLiteral("%1&%2").arg(first).arg(params[block::SecondGrade]);
    return QString::number(first);
}

std::vector<std::pair<QString, float>> statisticsOf(const CalcResults& results, int row) {
    using namespace block;
    std::vector<std::pair<QString, float>> statistics{
        {QStringLiteral("Correlation"), at(results, row, Correlation)},
        {QStringLiteral("St.Err."), at(results, row, StdError)},
        {QStringLiteral("tTot"), at(results, row, TTotal)}};
    for (int slot = 0; slot < MaxVariables; ++slot)
        if (at(results, row, FirstSignal + slot) != 0)
            statistics.emplace_back(QStringLiteral("tA%1").arg(slot + 1),
                                    at(results, row, FirstTCoefficient + slot));
    statistics.emplace_back(QStringLiteral("tB"), at(results, row, TConstant));
    return statistics;
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
                                        const CalcParams& params, const CalcResults& results,
                                        int row, const CalibrationFormula& formula) {
    CalibrationRecord record;
    record.fileName = fileName;
    if (const QFileInfo info(fileName); info.exists())
        record.fileDate = info.lastModified();
    const int measurement = params[block::Measurement];
    record.quantity = CalibrationFormula::measurementName(measurement);
    record.grades = gradesText(params);
    record.first = params[block::FirstPoint];
    record.last = params[block::LastPoint];
    const RunDiagnostics diagnostics(data, params);
    record.usableCount = diagnostics.selection().usableCount();
    for (const SampleSelection::RangePoint& point : diagnostics.selection().rangePoints())
        if (point.status != SampleSelection::Status::Usable)
            record.excluded.push_back(
                {point.index,
                 data.getMeasurementPoints(static_cast<int16_t>(point.index))->MeasurementDate,
                 point.status});
    record.formulaText = formula.GetFormulaString();
    record.statistics = statisticsOf(results, row);
    record.diagnostics = diagnostics.candidate(results, row);
    record.influence = diagnostics.influence(results, row);
    record.chart = computeResultChart(data, record.first, record.last, results, row, measurement);
    for (int16_t index : record.chart.plottedPoints) {
        const auto found = std::find_if(record.influence.begin(), record.influence.end(),
                                        [&](const PointInfluence& p) { return p.index == index; });
        record.flagged.push_back(found != record.influence.end() &&
                                 (found->outlier || found->highLeverage || found->influential));
    }
    return record;
}

} // namespace orvo
