#include "DiagnosticsJson.h"

#include <QJsonObject>

namespace orvo::cli {

namespace {

QJsonValue optionalNumber(std::optional<double> value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

QJsonArray diagnosticsJson(const std::vector<CandidateDiagnostics>& candidates) {
    QJsonArray array;
    for (const CandidateDiagnostics& d : candidates)
        array.append(
            QJsonObject{{QStringLiteral("row"), d.row},
                        {QStringLiteral("n"), d.sampleCount},
                        {QStringLiteral("p"), d.parameterCount},
                        {QStringLiteral("rSquared"), d.rSquared},
                        {QStringLiteral("adjustedRSquared"), optionalNumber(d.adjustedRSquared)},
                        {QStringLiteral("stdError"), d.stdError},
                        {QStringLiteral("press"), optionalNumber(d.press)},
                        {QStringLiteral("rmsecv"), optionalNumber(d.rmsecv)},
                        {QStringLiteral("predictedRSquared"), optionalNumber(d.predictedRSquared)},
                        {QStringLiteral("mallowsCp"), optionalNumber(d.mallowsCp)},
                        {QStringLiteral("maxVif"), d.maxVif}});
    return array;
}

QJsonArray influenceJson(const std::vector<PointInfluence>& points) {
    QJsonArray array;
    for (const PointInfluence& point : points)
        array.append(QJsonObject{
            {QStringLiteral("index"), point.index},
            {QStringLiteral("residual"), point.residual},
            {QStringLiteral("leverage"), point.leverage},
            {QStringLiteral("studentizedResidual"), optionalNumber(point.studentizedResidual)},
            {QStringLiteral("cooksDistance"), optionalNumber(point.cooksDistance)},
            {QStringLiteral("outlier"), point.outlier},
            {QStringLiteral("highLeverage"), point.highLeverage},
            {QStringLiteral("influential"), point.influential}});
    return array;
}

} // namespace orvo::cli
